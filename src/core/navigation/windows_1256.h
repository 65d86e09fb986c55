#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace hifz {

/// The characters of bytes 0x80 to 0xFF of the Arabic Windows code page
/// (1256); the lower half is ASCII.
const std::array<char16_t, 128>& windows1256HighHalf();

/// Text written in the Arabic Windows code page (1256), as UTF-8. Every one of
/// the 256 byte values stands for a character, so any bytes decode.
std::string windows1256ToUtf8(std::span<const std::uint8_t> bytes);

}  // namespace hifz
