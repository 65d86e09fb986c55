#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace hifz::content {

/// The text in the Arabic Windows code page, as the program reads its chapter
/// texts. Throws ContentError for a character the code page does not have.
std::vector<std::uint8_t> toWindows1256(std::u16string_view text);

}  // namespace hifz::content
