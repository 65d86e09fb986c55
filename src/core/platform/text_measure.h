#pragma once

#include <string_view>

namespace hifz {

/// The room a text takes on screen, in twips.
struct TextSize {
  float width = 0;
  float height = 0;
};

/// Measures the message text of the program's own dialog in that message's font.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  /// The width of the longest line and the height of all lines; a carriage
  /// return, a line feed or the pair of them ends a line.
  virtual TextSize measure(std::string_view text) const = 0;
};

/// Every character 90 twips wide and every line 240 high: near enough for a
/// program without a screen.
class NullTextMeasure final : public TextMeasure {
 public:
  TextSize measure(std::string_view text) const override;
};

}  // namespace hifz
