#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

#include "content/look.h"
#include "swf/writer.h"

namespace hifz::content {

// Pieces every sample movie is made of: pictures painted with Qt and shown as
// bitmaps, plain shapes, and buttons that send ("click", key).

/// A picture and where its top left corner goes on the stage.
struct Picture {
  QImage image;
  QPoint at;
};

/// A transparent picture of `size` to paint on.
QImage canvas(QSize size);

/// Arabic text, right to left and wrapped at words, aligned in `area` by
/// `alignment`; the picture is cut to the lines the text takes.
Picture textPicture(const QString& text, const QFont& font, QColor color, const QRect& area,
                    Qt::Alignment alignment = Qt::AlignCenter);

/// The largest pixel size from `largest` down to `smallest` at which `text`,
/// wrapped, fits in `area`; `smallest` when none does.
QFont fittingFont(QFont font, int largest, int smallest, const QString& text, QSize area);

/// Whether `text`, wrapped, fits in `area` in `font`.
bool textFits(const QString& text, const QFont& font, QSize area);

/// A movie the size of `stage`, at the sample frame rate, on `background`.
swf::MovieOptions stageOptions(QSize stage, QColor background = kDeepTeal);
/// Defines the picture as a bitmap and puts it on the stage at `depth`.
void showPicture(swf::MovieBuilder& movie, const Picture& picture, uint16_t depth);
/// A whole painted stage, put at the top left.
void showStage(swf::MovieBuilder& movie, const QImage& stage, uint16_t depth);

swf::Color swfColor(QColor color);
swf::Path roundedRectangle(const QRectF& rect, double radius);
/// The corner radius of buttons and of the tiles painted beneath them.
double cornerRadius(const QRectF& area);

/// A button over `area` that sends ("click", key) when clicked. It shows
/// nothing by itself (what it stands on is painted beneath it) and lightens
/// its area under the mouse.
void addButton(swf::MovieBuilder& movie, const QRectF& area, std::string_view key, uint16_t depth);

/// The finished movie, zlib-packed (CWS).
std::vector<std::uint8_t> packed(const swf::MovieBuilder& movie);

}  // namespace hifz::content
