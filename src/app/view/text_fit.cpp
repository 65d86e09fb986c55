#include "view/text_fit.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>

namespace hifz {
namespace {

constexpr double kStep = 0.25;
constexpr qreal kUnbounded = 1e6;

}  // namespace

QSizeF laidOutSize(const QFont& font, const QString& text) {
  // Qt's layout, not the sum of advances: a line's room also takes in its end
  // glyphs' overhang, which a label centres as part of the line.
  return QFontMetricsF(font)
      .boundingRect(QRectF(0, 0, kUnbounded, kUnbounded), Qt::AlignLeft | Qt::AlignTop, text)
      .size();
}

bool textFits(const QFont& font, const QString& text, const TextPlace& place) {
  const QSizeF room = laidOutSize(font, text);
  if (room.width() > place.area.width()) return false;
  const QFontMetricsF metrics(font);
  qreal baseline = place.area.top() + (place.area.height() - room.height()) / 2 + metrics.ascent();
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    // Only the ink's height: Qt's tight rectangle adds up the glyphs' own
    // advances, not the shaped ones, so it is too wide for joined Arabic.
    const QRectF ink = metrics.tightBoundingRect(line);
    // An underline may lie below every glyph.
    const qreal bottom = font.underline()
                             ? std::max(ink.bottom(), metrics.underlinePos() + metrics.lineWidth())
                             : ink.bottom();
    if (!line.isEmpty() &&
        (baseline + ink.top() < place.bounds.top() || baseline + bottom > place.bounds.bottom()))
      return false;
    baseline += metrics.lineSpacing();
  }
  return true;
}

QFont fittedFont(QFont font, const QString& text, const TextPlace& place, double points,
                 double minimumPoints) {
  for (double size = points; size > minimumPoints; size -= kStep) {
    font.setPointSizeF(size);
    if (textFits(font, text, place)) return font;
  }
  font.setPointSizeF(minimumPoints);
  return font;
}

}  // namespace hifz
