#include "swf/shape.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "swf/bytes.h"
#include "swf/reader.h"
#include "swf/records.h"

namespace hifz::swf {
namespace {

constexpr uint8_t kSolidFill = 0x00;
// Bitmap fill kinds, by (smooth, repeat).
constexpr uint8_t kBitmapFillRepeat = 0x40;
constexpr uint8_t kBitmapFillClip = 0x41;
constexpr uint8_t kBitmapFillRepeatHard = 0x42;
constexpr uint8_t kBitmapFillClipHard = 0x43;

// Edge deltas have at most 17 bits; longer edges are split.
constexpr int32_t kMaxDelta = (1 << 16) - 1;

struct TwipPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const TwipPoint&) const = default;
};

TwipPoint twips(Point p) { return {toTwips(p.x), toTwips(p.y)}; }

class RecordWriter {
 public:
  RecordWriter(ByteWriter& out, const ShapeStyle& style) : bits_(out), style_(style) {
    if (style.fill) fillBits_ = 1;
    if (style.stroke) lineBits_ = 1;
    bits_.unsignedBits(fillBits_, 4);
    bits_.unsignedBits(lineBits_, 4);
  }

  void moveTo(TwipPoint to) {
    // Style change record; the first one also picks the shape's styles.
    const bool setStyles = first_;
    first_ = false;
    bits_.flag(false);  // not an edge
    bits_.flag(false);  // no new styles
    bits_.flag(setStyles && style_.stroke.has_value());
    // Fill style 1 only: players fill even-odd, so the winding does not matter.
    bits_.flag(setStyles && style_.fill.has_value());
    bits_.flag(false);  // fill style 0
    bits_.flag(true);   // move
    const unsigned n = std::max(signedBitsNeeded(to.x), signedBitsNeeded(to.y));
    bits_.unsignedBits(n, 5);
    bits_.signedBits(to.x, n);
    bits_.signedBits(to.y, n);
    if (setStyles && style_.fill) bits_.unsignedBits(1, fillBits_);
    if (setStyles && style_.stroke) bits_.unsignedBits(1, lineBits_);
    pen_ = to;
  }

  void lineTo(TwipPoint to) {
    const int64_t dx = int64_t{to.x} - pen_.x;
    const int64_t dy = int64_t{to.y} - pen_.y;
    const int64_t pieces = std::max(std::abs(dx), std::abs(dy)) / kMaxDelta + 1;
    const TwipPoint from = pen_;
    for (int64_t i = 1; i <= pieces; ++i) {
      const TwipPoint next{static_cast<int32_t>(from.x + dx * i / pieces),
                           static_cast<int32_t>(from.y + dy * i / pieces)};
      straightEdge(next.x - pen_.x, next.y - pen_.y);
      pen_ = next;
    }
  }

  // In twips, unrounded, so a split curve stays true to the original.
  void curveTo(double cx, double cy, double x, double y) {
    const double px = pen_.x;
    const double py = pen_.y;
    const double reach =
        std::max({std::abs(cx - px), std::abs(cy - py), std::abs(x - cx), std::abs(y - cy)});
    if (reach > kMaxDelta - 2) {
      // Halve it: the two halves meet at the curve's midpoint.
      const double ax = (px + cx) / 2, ay = (py + cy) / 2;
      const double bx = (cx + x) / 2, by = (cy + y) / 2;
      const double mx = (ax + bx) / 2, my = (ay + by) / 2;
      curveTo(ax, ay, mx, my);
      curveTo(bx, by, x, y);
      return;
    }
    const TwipPoint control{static_cast<int32_t>(std::lround(cx)),
                            static_cast<int32_t>(std::lround(cy))};
    const TwipPoint anchor{static_cast<int32_t>(std::lround(x)),
                           static_cast<int32_t>(std::lround(y))};
    const int32_t values[4] = {control.x - pen_.x, control.y - pen_.y, anchor.x - control.x,
                               anchor.y - control.y};
    unsigned n = 2;
    for (int32_t v : values) n = std::max(n, signedBitsNeeded(v));
    bits_.flag(true);   // edge
    bits_.flag(false);  // curved
    bits_.unsignedBits(n - 2, 4);
    for (int32_t v : values) bits_.signedBits(v, n);
    pen_ = anchor;
  }

  void end() { bits_.unsignedBits(0, 6); }

  TwipPoint pen() const { return pen_; }

 private:
  void straightEdge(int32_t dx, int32_t dy) {
    if (dx == 0 && dy == 0) return;
    const unsigned n = std::max({2u, signedBitsNeeded(dx), signedBitsNeeded(dy)});
    bits_.flag(true);  // edge
    bits_.flag(true);  // straight
    bits_.unsignedBits(n - 2, 4);
    const bool general = dx != 0 && dy != 0;
    bits_.flag(general);
    if (general) {
      bits_.signedBits(dx, n);
      bits_.signedBits(dy, n);
    } else {
      const bool vertical = dx == 0;
      bits_.flag(vertical);
      bits_.signedBits(vertical ? dy : dx, n);
    }
  }

  BitWriter bits_;
  const ShapeStyle& style_;
  unsigned fillBits_ = 0;
  unsigned lineBits_ = 0;
  bool first_ = true;
  TwipPoint pen_;
};

Rect bounds(const Path& path, const ShapeStyle& style) {
  if (path.segments().empty()) return {};
  Rect box{INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN};
  auto include = [&box](Point p) {
    const TwipPoint t = twips(p);
    box.xMin = std::min(box.xMin, t.x);
    box.xMax = std::max(box.xMax, t.x);
    box.yMin = std::min(box.yMin, t.y);
    box.yMax = std::max(box.yMax, t.y);
  };
  for (const auto& segment : path.segments()) {
    include(segment.to);
    if (segment.kind == Path::Kind::kCurve) include(segment.control);
  }
  if (style.stroke) {
    const int32_t half = toTwips(style.stroke->width / 2);
    box = {box.xMin - half, box.xMax + half, box.yMin - half, box.yMax + half};
  }
  return box;
}

void writeFillStyle(ByteWriter& out, const Fill& fill) {
  if (const auto* color = std::get_if<Color>(&fill)) {
    out.u8(kSolidFill);
    writeRgba(out, *color);
    return;
  }
  const auto& bitmap = std::get<BitmapFill>(fill);
  if (bitmap.smooth) {
    out.u8(bitmap.repeat ? kBitmapFillRepeat : kBitmapFillClip);
  } else {
    out.u8(bitmap.repeat ? kBitmapFillRepeatHard : kBitmapFillClipHard);
  }
  out.u16(bitmap.bitmap);
  writeBitmapMatrix(out, bitmap.matrix);
}

}  // namespace

void Path::startIfEmpty() {
  if (segments_.empty()) moveTo(0, 0);
}

Path& Path::moveTo(double x, double y) {
  contourStart_ = {x, y};
  segments_.push_back({Kind::kMove, {}, contourStart_});
  return *this;
}

Path& Path::lineTo(double x, double y) {
  startIfEmpty();
  segments_.push_back({Kind::kLine, {}, {x, y}});
  return *this;
}

Path& Path::curveTo(double controlX, double controlY, double x, double y) {
  startIfEmpty();
  segments_.push_back({Kind::kCurve, {controlX, controlY}, {x, y}});
  return *this;
}

Path& Path::close() { return lineTo(contourStart_.x, contourStart_.y); }

Path Path::rectangle(double x, double y, double width, double height) {
  return Path()
      .moveTo(x, y)
      .lineTo(x + width, y)
      .lineTo(x + width, y + height)
      .lineTo(x, y + height)
      .close();
}

Path Path::polygon(std::span<const Point> corners) {
  Path path;
  if (corners.empty()) return path;
  path.moveTo(corners.front().x, corners.front().y);
  for (const Point& corner : corners.subspan(1)) path.lineTo(corner.x, corner.y);
  return path.close();
}

Path Path::polygon(std::initializer_list<Point> corners) {
  return polygon(std::span<const Point>(corners.begin(), corners.size()));
}

std::vector<uint8_t> encodeShape(CharacterId id, const Path& path, const ShapeStyle& style) {
  ByteWriter out;
  out.u16(id);
  writeRect(out, bounds(path, style));

  out.u8(style.fill ? 1 : 0);
  if (style.fill) writeFillStyle(out, *style.fill);
  out.u8(style.stroke ? 1 : 0);
  if (style.stroke) {
    const int32_t width = toTwips(style.stroke->width);
    if (width < 0 || width > UINT16_MAX) throw std::out_of_range("stroke width out of range");
    out.u16(static_cast<uint16_t>(width));
    writeRgba(out, style.stroke->color);
  }

  {
    RecordWriter records(out, style);
    TwipPoint contourStart;
    auto closeContour = [&] {
      if (style.fill && records.pen() != contourStart) records.lineTo(contourStart);
    };
    for (const auto& segment : path.segments()) {
      switch (segment.kind) {
        case Path::Kind::kMove:
          closeContour();
          contourStart = twips(segment.to);
          records.moveTo(contourStart);
          break;
        case Path::Kind::kLine:
          records.lineTo(twips(segment.to));
          break;
        case Path::Kind::kCurve:
          records.curveTo(segment.control.x * kTwipsPerPixel, segment.control.y * kTwipsPerPixel,
                          segment.to.x * kTwipsPerPixel, segment.to.y * kTwipsPerPixel);
          break;
      }
    }
    closeContour();
    records.end();
  }
  return out.take();
}

}  // namespace hifz::swf
