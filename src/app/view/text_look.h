#pragma once

#include <QString>
#include <functional>
#include <map>
#include <string>

namespace hifz {

/// How a window drawn with Qt widgets shows the text of one of its controls:
/// centred, in this font.
struct TextLook {
  QString family;
  double points = 0;
  /// A text that does not fit its control at `points` is drawn at the largest
  /// size that fits, but never below this.
  double minimumPoints = 0;
  bool underline = false;
  /// The control may be drawn wider than the model places it, about the same
  /// centre and within the window, so that its text need not shrink or be cut.
  bool widensForText = false;
};

/// The looks of a window's controls by control name; a control not named keeps
/// Qt's defaults.
using WindowLook = std::map<std::string, TextLook, std::less<>>;

}  // namespace hifz
