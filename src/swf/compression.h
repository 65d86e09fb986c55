#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "swf/result.h"

namespace hifz::swf {

// The decoders produce at most `outputSize` bytes and grow their buffer only as
// data actually comes out, so a lying length costs nothing. Input that ends early
// gives the bytes decoded so far; whether that is enough is the caller's call.
Result<std::vector<uint8_t>> inflateZlib(std::span<const uint8_t> input, size_t outputSize);

// LZMA as stored in ZWS movies: 5 bytes of coder properties, then the raw stream,
// which may or may not carry an end marker.
inline constexpr size_t kLzmaPropertiesSize = 5;
Result<std::vector<uint8_t>> inflateLzma(std::span<const uint8_t, kLzmaPropertiesSize> properties,
                                         std::span<const uint8_t> input, size_t outputSize);

std::vector<uint8_t> deflateZlib(std::span<const uint8_t> input);

struct LzmaPacked {
  std::array<uint8_t, kLzmaPropertiesSize> properties;
  std::vector<uint8_t> stream;
};
LzmaPacked compressLzma(std::span<const uint8_t> input);

}  // namespace hifz::swf
