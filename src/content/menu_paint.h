#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "content/look.h"

namespace hifz::content {

// What every menu movie is drawn with: a painted stage, cream tiles framed
// in gold, and buttons over them.

/// A button of a menu movie: where it lies on the stage, in pixels, and the
/// key it sends with the command "click".
struct MenuButton {
  std::string key;
  QRectF area;
};

/// The original four groups as the top menu names them.
struct GroupLabel {
  const char* title;
  const char* chapters;
};
inline constexpr std::array<GroupLabel, 4> kGroupLabels = {{
    {"المجموعة الأولى", "من الناس إلى القارعة، والفاتحة"},
    {"المجموعة الثانية", "من الضحى إلى العاديات"},
    {"المجموعة الثالثة", "من الليل إلى الانشقاق"},
    {"المجموعة الرابعة", "من المطففين إلى النازعات"},
}};

/// `count` cells in rows of at most `columns`, filled right to left from the
/// top, each at most `tallest` high and shrunk by `gap` on every side.
std::vector<QRectF> grid(const QRectF& area, int count, int columns, double gap, double tallest);

/// A stage of `size` filled with `colour`.
QImage paintedStage(QSize size, QColor colour = kDeepTeal);
/// A tile under a button: `fill` framed in gold, with round corners.
void paintTile(QPainter& painter, const QRectF& area, QColor fill);
/// Text centred in `area`, wrapped at words, shrunk down to two thirds of
/// the font's size when it would not fit.
void paintText(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
               QColor color);

/// A one-frame menu: the painted stage with its buttons over it, stopped.
std::vector<std::uint8_t> menuMovie(const QImage& stage, const std::vector<MenuButton>& buttons,
                                    QColor background = kDeepTeal);

}  // namespace hifz::content
