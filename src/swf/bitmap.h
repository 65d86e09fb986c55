#pragma once

#include <cstdint>
#include <vector>

#include "swf/types.h"

namespace hifz::swf {

struct Bitmap {
  uint16_t width = 0;
  uint16_t height = 0;
  // 0xAARRGGBB with plain (not premultiplied) alpha, rows from the top.
  std::vector<uint32_t> argb;
};

// The body of a DefineBitsLossless2 tag. Throws std::invalid_argument when the
// pixel count does not match the size.
std::vector<uint8_t> encodeBitmap(CharacterId id, const Bitmap& bitmap);

}  // namespace hifz::swf
