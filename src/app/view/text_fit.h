#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace hifz {

/// Where Qt draws a widget's text: centred in `area`, shown only inside `bounds`
/// (the widget's own rectangle).
struct TextPlace {
  QRectF area;
  QRectF bounds;
};

/// The room Qt's layout of `text` (lines split at '\n') takes in `font`: the
/// widest line and the height of all lines, in pixels.
QSizeF laidOutSize(const QFont& font, const QString& text);

/// Whether `text` in `font`, centred in the place's area as a label or a button
/// draws it, shows whole: laid out no wider than the area, and every line's ink
/// (and underline) within the height of the bounds.
bool textFits(const QFont& font, const QString& text, const TextPlace& place);

/// `font` at the largest size from `points` down to `minimumPoints`, in quarter
/// points, at which the text fits; at `minimumPoints` when none does.
QFont fittedFont(QFont font, const QString& text, const TextPlace& place, double points,
                 double minimumPoints);

}  // namespace hifz
