#include "content/menu_paint.h"

#include <algorithm>

#include "content/movie_kit.h"

namespace hifz::content {
namespace {

constexpr uint16_t kFirstButtonDepth = 10;

}  // namespace

std::vector<QRectF> grid(const QRectF& area, int count, int columns, double gap, double tallest) {
  const int rows = (count + columns - 1) / columns;
  const double width = area.width() / columns;
  const double height = std::min(area.height() / rows, tallest);
  const double top = area.top() + (area.height() - height * rows) / 2;
  std::vector<QRectF> cells;
  for (int i = 0; i < count; ++i) {
    const double right = area.right() - (i % columns) * width;
    cells.emplace_back(QRectF(right - width, top + (i / columns) * height, width, height)
                           .adjusted(gap, gap, -gap, -gap));
  }
  return cells;
}

QImage paintedStage(QSize size, QColor colour) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

void paintTile(QPainter& painter, const QRectF& area, QColor fill) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kGold, 2.5));
  painter.setBrush(fill);
  const double radius = cornerRadius(area);
  painter.drawRoundedRect(area.adjusted(1.25, 1.25, -1.25, -1.25), radius, radius);
}

void paintText(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
               QColor color) {
  const int pixels = font.pixelSize();
  painter.setFont(fittingFont(font, pixels, pixels * 2 / 3, text, area.size().toSize()));
  painter.setPen(color);
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

std::vector<std::uint8_t> menuMovie(const QImage& stage, const std::vector<MenuButton>& buttons,
                                    QColor background) {
  swf::MovieBuilder movie(stageOptions(stage.size(), background));
  showStage(movie, stage, 1);
  uint16_t depth = kFirstButtonDepth;
  for (const MenuButton& button : buttons) addButton(movie, button.area, button.key, depth++);
  movie.stop();
  movie.showFrame();
  return packed(movie);
}

}  // namespace hifz::content
