// libFuzzer target for the Arabic code page's text (scripts/fuzz): any bytes
// decode, to valid UTF-8 holding one character per byte.

#include "navigation/windows_1256.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// The characters of valid UTF-8 text, each below U+10000; -1 for invalid text.
long characters(const std::string& text) {
  long count = 0;
  for (size_t i = 0; i < text.size(); ++count) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80             ? 1
                          : (lead & 0xE0) == 0xC0 ? 2
                          : (lead & 0xF0) == 0xE0 ? 3
                                                  : 0;
    if (length == 0 || i + length > text.size()) return -1;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return -1;
    i += length;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = hifz::windows1256ToUtf8(std::span<const uint8_t>(data, size));
  check(characters(text) == static_cast<long>(size));
  check(text.size() <= 3 * size);
  return 0;
}
