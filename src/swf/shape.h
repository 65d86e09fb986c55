#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "swf/types.h"

namespace hifz::swf {

// Outlines in pixels. Every moveTo starts a new contour; filled contours are closed
// automatically, and overlapping contours cut holes (even-odd).
class Path {
 public:
  enum class Kind { kMove, kLine, kCurve };
  struct Segment {
    Kind kind;
    Point control;  // only for kCurve
    Point to;
  };

  Path& moveTo(double x, double y);
  Path& lineTo(double x, double y);
  // A quadratic curve through the control point's pull.
  Path& curveTo(double controlX, double controlY, double x, double y);
  // A line back to where the contour started.
  Path& close();

  static Path rectangle(double x, double y, double width, double height);
  static Path polygon(std::span<const Point> corners);
  static Path polygon(std::initializer_list<Point> corners);

  const std::vector<Segment>& segments() const { return segments_; }

 private:
  void startIfEmpty();

  std::vector<Segment> segments_;
  Point contourStart_;
};

// Shows a bitmap defined earlier; `matrix` places its pixels in the shape's space.
struct BitmapFill {
  explicit BitmapFill(CharacterId id, Matrix placement = {}, bool smoothed = true,
                      bool repeated = false)
      : bitmap(id), matrix(placement), smooth(smoothed), repeat(repeated) {}

  CharacterId bitmap;
  Matrix matrix;
  bool smooth;
  bool repeat;
};

using Fill = std::variant<Color, BitmapFill>;

struct Stroke {
  double width = 1;
  Color color;
};

struct ShapeStyle {
  std::optional<Fill> fill;
  std::optional<Stroke> stroke;

  static ShapeStyle filled(const Fill& with) { return {with, std::nullopt}; }
  static ShapeStyle outlined(const Stroke& with) { return {std::nullopt, with}; }
};

// The body of a DefineShape3 tag.
std::vector<uint8_t> encodeShape(CharacterId id, const Path& path, const ShapeStyle& style);

}  // namespace hifz::swf
