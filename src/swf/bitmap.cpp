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
  // Players expect premultiplied alpha here.
  std::vector<uint8_t> pixels;
  pixels.reserve(bitmap.argb.size() * 4);
  for (uint32_t argb : bitmap.argb) {
    const uint32_t alpha = argb >> 24;
    pixels.push_back(static_cast<uint8_t>(alpha));
    pixels.push_back(premultiply((argb >> 16) & 0xff, alpha));
    pixels.push_back(premultiply((argb >> 8) & 0xff, alpha));
    pixels.push_back(premultiply(argb & 0xff, alpha));
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
