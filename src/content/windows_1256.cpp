#include "content/windows_1256.h"

#include <array>
#include <cstdio>
#include <string>

#include "content/content_error.h"
#include "navigation/windows_1256.h"

namespace hifz::content {
namespace {

std::uint8_t byteOf(char16_t c) {
  if (c < 0x80) return static_cast<std::uint8_t>(c);
  const auto& highHalf = windows1256HighHalf();
  for (std::size_t i = 0; i < highHalf.size(); ++i) {
    if (highHalf[i] == c) return static_cast<std::uint8_t>(0x80 + i);
  }
  char code[8];
  std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
  throw ContentError(std::string("U+") + code + " has no place in Windows-1256");
}

}  // namespace

std::vector<std::uint8_t> toWindows1256(std::u16string_view text) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size());
  for (char16_t c : text) bytes.push_back(byteOf(c));
  return bytes;
}

}  // namespace hifz::content
