#pragma once

#include <cstdint>

namespace hifz::swf {

// Small value types of the writer. Lengths are in pixels (doubles); they are
// rounded to twips, 1/20 pixel, when written.

using CharacterId = uint16_t;

inline constexpr int kTwipsPerPixel = 20;

struct Color {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 255;

  // From 0xRRGGBB, opaque.
  static constexpr Color rgb(uint32_t value) { return argb(0xff000000 | value); }
  // From 0xAARRGGBB.
  static constexpr Color argb(uint32_t value) {
    return {static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
            static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 24)};
  }
  bool operator==(const Color&) const = default;
};

struct Point {
  double x = 0;
  double y = 0;
};

// Scales about the origin, then moves by (x, y).
struct Matrix {
  double scaleX = 1;
  double scaleY = 1;
  double x = 0;
  double y = 0;

  static constexpr Matrix translate(double dx, double dy) { return {1, 1, dx, dy}; }
  static constexpr Matrix scale(double sx, double sy, double dx = 0, double dy = 0) {
    return {sx, sy, dx, dy};
  }

  bool operator==(const Matrix&) const = default;
};

// Rounds to the nearest twip; throws std::out_of_range beyond what a movie can hold.
int32_t toTwips(double pixels);

}  // namespace hifz::swf
