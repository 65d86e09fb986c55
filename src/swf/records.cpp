#include "swf/records.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace hifz::swf {
namespace {

// Bit fields of rectangles and matrices take at most 31 bits.
constexpr double kFieldLimit = 1 << 30;

int32_t toFixed16(double value) {
  const double fixed = std::round(value * 65536.0);
  if (!(std::abs(fixed) < kFieldLimit)) throw std::out_of_range("matrix scale out of range");
  return static_cast<int32_t>(fixed);
}

void writeMatrix(ByteWriter& out, const Matrix& matrix, double scaleUnit) {
  BitWriter bits(out);
  const bool hasScale = matrix.scaleX * scaleUnit != 1.0 || matrix.scaleY * scaleUnit != 1.0;
  bits.flag(hasScale);
  if (hasScale) {
    const int32_t sx = toFixed16(matrix.scaleX * scaleUnit);
    const int32_t sy = toFixed16(matrix.scaleY * scaleUnit);
    const unsigned n = std::max(signedBitsNeeded(sx), signedBitsNeeded(sy));
    bits.unsignedBits(n, 5);
    bits.signedBits(sx, n);
    bits.signedBits(sy, n);
  }
  bits.flag(false);  // no rotation or skew
  const int32_t tx = toTwips(matrix.x);
  const int32_t ty = toTwips(matrix.y);
  const unsigned n = tx == 0 && ty == 0 ? 0 : std::max(signedBitsNeeded(tx), signedBitsNeeded(ty));
  bits.unsignedBits(n, 5);
  bits.signedBits(tx, n);
  bits.signedBits(ty, n);
}

}  // namespace

int32_t toTwips(double pixels) {
  const double twips = std::round(pixels * kTwipsPerPixel);
  if (!(std::abs(twips) < kFieldLimit)) throw std::out_of_range("length out of range");
  return static_cast<int32_t>(twips);
}

void writeTag(ByteWriter& out, uint16_t code, std::span<const uint8_t> body) {
  constexpr uint32_t kLongLength = 0x3f;
  if (code > 0x3ff) throw std::invalid_argument("tag code out of range");
  if (body.size() > UINT32_MAX) throw std::length_error("tag body too long");
  const auto length = static_cast<uint32_t>(body.size());
  const auto shifted = static_cast<uint16_t>(code << 6);
  if (length < kLongLength) {
    out.u16(static_cast<uint16_t>(shifted | length));
  } else {
    out.u16(static_cast<uint16_t>(shifted | kLongLength));
    out.u32(length);
  }
  out.bytes(body);
}

void writeRect(ByteWriter& out, const Rect& rect) {
  const unsigned n = std::max({signedBitsNeeded(rect.xMin), signedBitsNeeded(rect.xMax),
                               signedBitsNeeded(rect.yMin), signedBitsNeeded(rect.yMax)});
  if (n > 31) throw std::out_of_range("rectangle out of range");
  BitWriter bits(out);
  bits.unsignedBits(n, 5);
  bits.signedBits(rect.xMin, n);
  bits.signedBits(rect.xMax, n);
  bits.signedBits(rect.yMin, n);
  bits.signedBits(rect.yMax, n);
}

void writeMatrix(ByteWriter& out, const Matrix& matrix) { writeMatrix(out, matrix, 1.0); }

void writeBitmapMatrix(ByteWriter& out, const Matrix& matrix) {
  writeMatrix(out, matrix, kTwipsPerPixel);
}

void writeRgb(ByteWriter& out, Color color) {
  out.u8(color.r);
  out.u8(color.g);
  out.u8(color.b);
}

void writeRgba(ByteWriter& out, Color color) {
  writeRgb(out, color);
  out.u8(color.a);
}

}  // namespace hifz::swf
