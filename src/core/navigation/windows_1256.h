#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace hifz {

/// Text written in the Arabic Windows code page (1256), as UTF-8. Every one of
/// the 256 byte values stands for a character, so any bytes decode.
std::string windows1256ToUtf8(std::span<const std::uint8_t> bytes);

}  // namespace hifz
