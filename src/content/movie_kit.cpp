#include "content/movie_kit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <cmath>
#include <cstring>

#include "content/chapter_plan.h"
#include "content/look.h"

namespace hifz::content {
namespace {

constexpr int kTextFlags = Qt::TextWordWrap;

swf::Bitmap toBitmap(const QImage& image) {
  const QImage plain = image.convertToFormat(QImage::Format_ARGB32);
  swf::Bitmap bitmap;
  bitmap.width = static_cast<uint16_t>(plain.width());
  bitmap.height = static_cast<uint16_t>(plain.height());
  bitmap.argb.resize(static_cast<std::size_t>(plain.width()) * plain.height());
  for (int y = 0; y < plain.height(); ++y) {
    std::memcpy(bitmap.argb.data() + static_cast<std::size_t>(y) * plain.width(),
                plain.constScanLine(y), static_cast<std::size_t>(plain.width()) * 4);
  }
  return bitmap;
}

QRectF textBounds(const QString& text, const QFont& font, const QRectF& area,
                  Qt::Alignment alignment) {
  return QFontMetricsF(font).boundingRect(area, static_cast<int>(alignment) | kTextFlags, text);
}

}  // namespace

QImage canvas(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

Picture textPicture(const QString& text, const QFont& font, QColor color, const QRect& area,
                    Qt::Alignment alignment) {
  // Vowel marks above and below reach past the line box; leave room for them.
  const int margin = static_cast<int>(std::ceil(QFontMetricsF(font).height() * 0.35));
  const QRect bounds = textBounds(text, font, area, alignment)
                           .toAlignedRect()
                           .adjusted(-margin, -margin, margin, margin)
                           .intersected(area.adjusted(-margin, -margin, margin, margin));
  QImage image = canvas(bounds.size().expandedTo(QSize(1, 1)));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font);
  painter.setPen(color);
  painter.translate(-bounds.topLeft());
  painter.drawText(area, static_cast<int>(alignment) | kTextFlags, text);
  painter.end();
  return {image, bounds.topLeft()};
}

bool textFits(const QString& text, const QFont& font, QSize area) {
  const QRectF box(QPointF(0, 0), area);
  const QRectF needed = textBounds(text, font, box, Qt::AlignCenter);
  return needed.width() <= box.width() && needed.height() <= box.height();
}

QFont fittingFont(QFont font, int largest, int smallest, const QString& text, QSize area) {
  const auto fits = [&](int pixels) {
    font.setPixelSize(pixels);
    return textFits(text, font, area);
  };
  // Larger text needs more room, so halving the range finds the size.
  int low = smallest;
  int high = largest;
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    if (fits(middle)) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  font.setPixelSize(low);
  return font;
}

swf::MovieOptions stageOptions(QSize stage, QColor background) {
  swf::MovieOptions options;
  options.width = stage.width();
  options.height = stage.height();
  options.frameRate = kFrameRate;
  options.background = swfColor(background);
  return options;
}

void showPicture(swf::MovieBuilder& movie, const Picture& picture, uint16_t depth) {
  const swf::CharacterId bitmap = movie.defineBitmap(toBitmap(picture.image));
  movie.place(movie.defineBitmapRectangle(bitmap), depth,
              swf::Matrix::translate(picture.at.x(), picture.at.y()));
}

void showStage(swf::MovieBuilder& movie, const QImage& stage, uint16_t depth) {
  showPicture(movie, {stage, QPoint(0, 0)}, depth);
}

swf::Color swfColor(QColor color) { return swf::Color::argb(static_cast<uint32_t>(color.rgba())); }

swf::Path roundedRectangle(const QRectF& rect, double radius) {
  const double l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
  swf::Path path;
  path.moveTo(l + radius, t)
      .lineTo(r - radius, t)
      .curveTo(r, t, r, t + radius)
      .lineTo(r, b - radius)
      .curveTo(r, b, r - radius, b)
      .lineTo(l + radius, b)
      .curveTo(l, b, l, b - radius)
      .lineTo(l, t + radius)
      .curveTo(l, t, l + radius, t)
      .close();
  return path;
}

double cornerRadius(const QRectF& area) { return std::min(area.width(), area.height()) / 4; }

void addButton(swf::MovieBuilder& movie, const QRectF& area, std::string_view key, uint16_t depth) {
  const swf::Path outline = roundedRectangle(area, cornerRadius(area));
  const auto face = [&](uint32_t argb) {
    return swf::ButtonFace(
        movie.defineShape(outline, swf::ShapeStyle::filled(swf::Color::argb(argb))));
  };
  swf::Button button;
  button.up = face(0x00000000);
  button.over = face(0x38ffffff);
  button.down = face(0x50000000);
  button.hit = face(0xff000000);
  button.onRelease.fscommand("click", key);
  movie.place(movie.defineButton(button), depth);
}

std::vector<std::uint8_t> packed(const swf::MovieBuilder& movie) {
  return movie.build(swf::Compression::kZlib);
}

}  // namespace hifz::content
