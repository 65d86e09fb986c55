#include "platform/text_measure.h"

#include <algorithm>

namespace hifz {

TextSize NullTextMeasure::measure(std::string_view text) const {
  constexpr float kCharacterWidth = 90;
  constexpr float kLineHeight = 240;
  int lines = 1;
  int longest = 0;
  int current = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\r' || byte == '\n') {
      if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++lines;
      current = 0;
      continue;
    }
    // Count characters, not the continuation bytes of UTF-8.
    if ((byte & 0xC0) != 0x80) longest = std::max(longest, ++current);
  }
  return {static_cast<float>(longest) * kCharacterWidth, static_cast<float>(lines) * kLineHeight};
}

}  // namespace hifz
