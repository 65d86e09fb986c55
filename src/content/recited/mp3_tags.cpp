#include "content/recited/mp3_tags.h"

#include <algorithm>
#include <cctype>

namespace hifz::content {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t kId3HeaderSize = 10;
constexpr std::size_t kId3v1Size = 128;
constexpr std::size_t kApeFooterSize = 32;
constexpr std::uint32_t kApeHasHeader = 0x80000000;
constexpr std::size_t kLyricsEndSize = 15;  // six digits of size, then "LYRICS200"

std::uint32_t littleEndianAt(Bytes file, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;) value = value << 8 | file[at + i];
  return value;
}

// The bytes of the tag that ends at `end`, or 0 when none does.
std::size_t endTagSize(Bytes file, std::size_t end) {
  if (end >= kId3v1Size && textAt(file, end - kId3v1Size, "TAG")) return kId3v1Size;
  if (end >= kApeFooterSize && textAt(file, end - kApeFooterSize, "APETAGEX")) {
    const std::size_t footer = end - kApeFooterSize;
    // The size counts the items and the footer, not the header.
    const std::uint64_t size = littleEndianAt(file, footer + 12) +
                               ((littleEndianAt(file, footer + 20) & kApeHasHeader) != 0 ? 32 : 0);
    return size >= kApeFooterSize && size <= end ? static_cast<std::size_t>(size) : 0;
  }
  if (end >= kLyricsEndSize && textAt(file, end - 9, "LYRICS200")) {
    const auto digits = file.subspan(end - kLyricsEndSize, 6);
    if (!std::all_of(digits.begin(), digits.end(), [](std::uint8_t c) { return std::isdigit(c); }))
      return 0;
    std::size_t size = 0;
    for (const std::uint8_t digit : digits) size = size * 10 + (digit - '0');
    return size + kLyricsEndSize <= end ? size + kLyricsEndSize : 0;
  }
  return 0;
}

}  // namespace

bool textAt(Bytes file, std::size_t at, std::string_view text) {
  return at <= file.size() && text.size() <= file.size() - at &&
         std::equal(text.begin(), text.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
}

std::size_t afterId3v2Tags(Bytes file) {
  std::size_t at = 0;
  while (textAt(file, at, "ID3") && at + kId3HeaderSize <= file.size()) {
    std::size_t size = 0;
    for (std::size_t i = 6; i < 10; ++i) size = size << 7 | (file[at + i] & 0x7f);
    const bool footer = (file[at + 5] & 0x10) != 0;
    at += kId3HeaderSize + size + (footer ? kId3HeaderSize : 0);
  }
  return at;
}

std::size_t beforeEndTags(Bytes file, std::size_t start) {
  std::size_t end = file.size();
  for (std::size_t tag = endTagSize(file, end); tag > 0 && tag <= end - start;
       tag = endTagSize(file, end)) {
    end -= tag;
  }
  return end;
}

bool isTagOrPadding(Bytes rest) {
  for (const std::string_view tag : {"TAG", "APETAGEX", "LYRICSBEGIN", "ID3"}) {
    if (textAt(rest, 0, tag)) return true;
  }
  return std::all_of(rest.begin(), rest.end(), [](std::uint8_t byte) { return byte == 0; });
}

}  // namespace hifz::content
