#include "swf/bitmap.h"

#include <stdexcept>

#include "swf/bytes.h"
#include "swf/compression.h"

namespace hifz::swf {
namespace {

constexpr uint8_t kFormatArgb32 = 5;

uint8_t premultiply(uint32_t channel, uint32_t alpha) {
  return static_cast<uint8_t>((channel * alpha + 127) / 255);
}

}  // namespace

std::vector<uint8_t> encodeBitmap(CharacterId id, const Bitmap& bitmap) {
  if (bitmap.width == 0 || bitmap.height == 0) throw std::invalid_argument("empty bitmap");
  if (bitmap.argb.size() != size_t{bitmap.width} * bitmap.height) {
    throw std::invalid_argument("bitmap pixel count does not match its size");
  }
  // Players expect premultiplied alpha here. Plain indexing and the two common
  // cases, clear and opaque, keep whole-page bitmaps quick even unoptimised.
  const size_t count = bitmap.argb.size();
  const uint32_t* in = bitmap.argb.data();
  std::vector<uint8_t> pixels(count * 4);
  uint8_t* pixel = pixels.data();
  for (size_t i = 0; i < count; ++i, pixel += 4) {
    const uint32_t argb = in[i];
    const uint32_t alpha = argb >> 24;
    if (alpha == 0) continue;
    pixel[0] = static_cast<uint8_t>(alpha);
    if (alpha == 255) {
      pixel[1] = static_cast<uint8_t>(argb >> 16);
      pixel[2] = static_cast<uint8_t>(argb >> 8);
      pixel[3] = static_cast<uint8_t>(argb);
    } else {
      pixel[1] = premultiply((argb >> 16) & 0xff, alpha);
      pixel[2] = premultiply((argb >> 8) & 0xff, alpha);
      pixel[3] = premultiply(argb & 0xff, alpha);
    }
  }
  ByteWriter out;
  out.u16(id);
  out.u8(kFormatArgb32);
  out.u16(bitmap.width);
  out.u16(bitmap.height);
  out.bytes(deflateZlib(pixels));
  return out.take();
}

}  // namespace hifz::swf
