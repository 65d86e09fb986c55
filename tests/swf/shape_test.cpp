#include "swf/shape.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <utility>
#include <vector>

#include "support.h"
#include "swf/bitmap.h"
#include "swf/bytes.h"
#include "swf/reader.h"
#include "swf/tag_codes.h"
#include "swf/writer.h"

namespace hifz::swf {
namespace {

using test::Bytes;
using TwipPoint = std::pair<int32_t, int32_t>;
using Contour = std::vector<TwipPoint>;

struct DecodedMatrix {
  double scaleX = 1;
  double scaleY = 1;
  int32_t x = 0;
  int32_t y = 0;
};

struct DecodedShape {
  uint16_t id = 0;
  Rect bounds;
  uint8_t fillType = 0xff;  // 0xff: no fill style
  Color fillColor;
  uint16_t fillBitmap = 0;
  DecodedMatrix fillMatrix;
  uint16_t lineWidth = 0;
  Color lineColor;
  bool hasLine = false;
  uint32_t fill1 = 0;
  uint32_t line = 0;
  std::vector<Contour> contours;  // anchor points, in twips
  std::vector<TwipPoint> controls;
  int edgeBitsMax = 0;
};

Rect readRect(ByteReader& in) {
  BitReader bits(in);
  const unsigned n = bits.unsignedBits(5);
  Rect r;
  r.xMin = bits.signedBits(n);
  r.xMax = bits.signedBits(n);
  r.yMin = bits.signedBits(n);
  r.yMax = bits.signedBits(n);
  return r;
}

DecodedMatrix readMatrix(ByteReader& in) {
  BitReader bits(in);
  DecodedMatrix m;
  if (bits.unsignedBits(1)) {
    const unsigned n = bits.unsignedBits(5);
    m.scaleX = bits.signedBits(n) / 65536.0;
    m.scaleY = bits.signedBits(n) / 65536.0;
  }
  EXPECT_EQ(bits.unsignedBits(1), 0u) << "no rotation expected";
  const unsigned n = bits.unsignedBits(5);
  m.x = bits.signedBits(n);
  m.y = bits.signedBits(n);
  return m;
}

Color readRgba(ByteReader& in) {
  Color c;
  c.r = in.u8();
  c.g = in.u8();
  c.b = in.u8();
  c.a = in.u8();
  return c;
}

DecodedShape decodeShape(std::span<const uint8_t> body) {
  DecodedShape shape;
  ByteReader in(body);
  shape.id = in.u16();
  shape.bounds = readRect(in);
  const uint8_t fills = in.u8();
  EXPECT_LE(fills, 1);
  if (fills == 1) {
    shape.fillType = in.u8();
    if (shape.fillType == 0) {
      shape.fillColor = readRgba(in);
    } else {
      shape.fillBitmap = in.u16();
      shape.fillMatrix = readMatrix(in);
    }
  }
  const uint8_t lines = in.u8();
  EXPECT_LE(lines, 1);
  if (lines == 1) {
    shape.hasLine = true;
    shape.lineWidth = in.u16();
    shape.lineColor = readRgba(in);
  }
  BitReader bits(in);
  const unsigned fillBits = bits.unsignedBits(4);
  const unsigned lineBits = bits.unsignedBits(4);
  int32_t x = 0;
  int32_t y = 0;
  while (!in.failed()) {
    if (bits.unsignedBits(1) == 0) {
      const unsigned flags = bits.unsignedBits(5);
      if (flags == 0) break;  // end of shape
      EXPECT_EQ(flags & 0x10, 0u) << "no new styles expected";
      if (flags & 0x01) {
        const unsigned n = bits.unsignedBits(5);
        x = bits.signedBits(n);
        y = bits.signedBits(n);
        shape.contours.push_back({{x, y}});
      }
      EXPECT_EQ(flags & 0x02, 0u) << "fill style 0 unused";
      if (flags & 0x04) shape.fill1 = bits.unsignedBits(fillBits);
      if (flags & 0x08) shape.line = bits.unsignedBits(lineBits);
      continue;
    }
    const bool straight = bits.unsignedBits(1);
    const int n = static_cast<int>(bits.unsignedBits(4)) + 2;
    shape.edgeBitsMax = std::max(shape.edgeBitsMax, n);
    if (straight) {
      if (bits.unsignedBits(1)) {
        x += bits.signedBits(n);
        y += bits.signedBits(n);
      } else if (bits.unsignedBits(1)) {
        y += bits.signedBits(n);
      } else {
        x += bits.signedBits(n);
      }
    } else {
      x += bits.signedBits(n);
      y += bits.signedBits(n);
      shape.controls.push_back({x, y});
      x += bits.signedBits(n);
      y += bits.signedBits(n);
    }
    if (shape.contours.empty()) shape.contours.emplace_back();
    shape.contours.back().push_back({x, y});
  }
  EXPECT_FALSE(in.failed()) << "shape records cut off";
  EXPECT_EQ(in.remaining(), 0u) << "bytes after the shape records";
  return shape;
}

// Builds a movie around one shape and decodes the shape back from the file.
DecodedShape roundTrip(const Path& path, const ShapeStyle& style) {
  MovieBuilder builder;
  builder.defineShape(path, style);
  const Movie movie = test::readOrFail(builder.build());
  for (const Tag& tag : movie.tags) {
    if (tag.code == tag::kDefineShape3) return decodeShape(movie.body(tag));
  }
  ADD_FAILURE() << "no DefineShape3 tag";
  return {};
}

TEST(ShapeTest, RectangleWithSolidFill) {
  MovieBuilder builder;
  const CharacterId id = builder.defineRectangle(100, 50.5, Color::argb(0x80102030));
  const Movie movie = test::readOrFail(builder.build());
  const auto shapeTag = std::find_if(movie.tags.begin(), movie.tags.end(),
                                     [](const Tag& t) { return t.code == tag::kDefineShape3; });
  ASSERT_NE(shapeTag, movie.tags.end());
  const DecodedShape shape = decodeShape(movie.body(*shapeTag));
  EXPECT_EQ(shape.id, id);
  EXPECT_EQ(shape.bounds, (Rect{0, 2000, 0, 1010}));
  EXPECT_EQ(shape.fillType, 0x00);
  EXPECT_EQ(shape.fillColor, (Color{0x10, 0x20, 0x30, 0x80}));
  EXPECT_EQ(shape.fill1, 1u);
  EXPECT_FALSE(shape.hasLine);
  EXPECT_EQ(shape.contours,
            (std::vector<Contour>{{{0, 0}, {2000, 0}, {2000, 1010}, {0, 1010}, {0, 0}}}));
}

TEST(ShapeTest, OutlinesComeOutAsDrawn) {
  const ShapeStyle red = ShapeStyle::filled(Color::rgb(0xff0000));
  struct Case {
    const char* name;
    Path path;
    ShapeStyle style;
    std::vector<Contour> expected;
  };
  const Case cases[] = {
      {"polygon closes itself",
       Path::polygon({{10, 10}, {20, 10}, {15, 20}}),
       red,
       {{{200, 200}, {400, 200}, {300, 400}, {200, 200}}}},
      {"filled contours close without close()",
       Path().moveTo(0, 0).lineTo(10, 0).lineTo(10, 10).moveTo(2, 2).lineTo(4, 2).lineTo(4, 4),
       red,
       {{{0, 0}, {200, 0}, {200, 200}, {0, 0}}, {{40, 40}, {80, 40}, {80, 80}, {40, 40}}}},
      {"an outline alone stays open",
       Path().moveTo(0, 0).lineTo(10, 0).lineTo(10, 10),
       ShapeStyle::outlined(Stroke{1, Color::rgb(0)}),
       {{{0, 0}, {200, 0}, {200, 200}}}},
      {"lineTo without moveTo starts at the origin",
       Path().lineTo(5, 0).lineTo(5, 5),
       red,
       {{{0, 0}, {100, 0}, {100, 100}, {0, 0}}}},
      {"negative and fractional pixels round to twips",
       Path::polygon({{-1.5, -0.05}, {0.026, 0}, {0, 3.33}}),
       red,
       {{{-30, -1}, {1, 0}, {0, 67}, {-30, -1}}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(roundTrip(c.path, c.style).contours, c.expected) << c.name;
  }
}

TEST(ShapeTest, LongEdgesAreSplitButLandExactly) {
  // 5000 px is 100000 twips, more than one edge record can hold.
  const DecodedShape shape = roundTrip(Path::polygon({{0, 0}, {5000, 0}, {5000, 3000}}),
                                       ShapeStyle::filled(Color::rgb(0)));
  ASSERT_EQ(shape.contours.size(), 1u);
  const Contour& points = shape.contours[0];
  EXPECT_GT(points.size(), 4u);
  EXPECT_NE(std::find(points.begin(), points.end(), TwipPoint{100000, 0}), points.end());
  EXPECT_NE(std::find(points.begin(), points.end(), TwipPoint{100000, 60000}), points.end());
  EXPECT_EQ(points.back(), (TwipPoint{0, 0}));
  EXPECT_LE(shape.edgeBitsMax, 17);
  EXPECT_EQ(shape.bounds, (Rect{0, 100000, 0, 60000}));
}

TEST(ShapeTest, CurvesKeepTheirControlPoints) {
  const DecodedShape shape = roundTrip(Path().moveTo(0, 0).curveTo(50, -40, 100, 0).close(),
                                       ShapeStyle::filled(Color::rgb(0)));
  ASSERT_EQ(shape.contours.size(), 1u);
  EXPECT_EQ(shape.contours[0], (Contour{{0, 0}, {2000, 0}, {0, 0}}));
  EXPECT_EQ(shape.controls, (std::vector<TwipPoint>{{1000, -800}}));
  EXPECT_EQ(shape.bounds, (Rect{0, 2000, -800, 0})) << "bounds hold the control point";

  // A huge curve is cut into halves that still meet at its ends.
  const DecodedShape big = roundTrip(Path().moveTo(0, 0).curveTo(4000, 4000, 8000, 0),
                                     ShapeStyle::filled(Color::rgb(0)));
  ASSERT_EQ(big.contours.size(), 1u);
  EXPECT_GT(big.controls.size(), 1u);
  EXPECT_EQ(big.contours[0].back(), (TwipPoint{0, 0}));
  EXPECT_NE(std::find(big.contours[0].begin(), big.contours[0].end(), TwipPoint{160000, 0}),
            big.contours[0].end());
  EXPECT_LE(big.edgeBitsMax, 17);
}

TEST(ShapeTest, StrokeSetsLineStyleAndWidensBounds) {
  ShapeStyle style;
  style.fill = Color::rgb(0x00ff00);
  style.stroke = Stroke{4, Color::rgb(0x0000ff)};
  const DecodedShape shape = roundTrip(Path::rectangle(10, 10, 20, 20), style);
  EXPECT_TRUE(shape.hasLine);
  EXPECT_EQ(shape.lineWidth, 80);
  EXPECT_EQ(shape.lineColor, Color::rgb(0x0000ff));
  EXPECT_EQ(shape.line, 1u);
  EXPECT_EQ(shape.fill1, 1u);
  EXPECT_EQ(shape.bounds, (Rect{160, 640, 160, 640}));
}

TEST(ShapeTest, BitmapRectangleShowsTheBitmapPixelForPixel) {
  MovieBuilder builder;
  Bitmap bitmap;
  bitmap.width = 3;
  bitmap.height = 2;
  bitmap.argb = {0xffff0000, 0x80ff0000, 0x00ffffff, 0xff00ff00, 0xff0000ff, 0x40808080};
  const CharacterId bitmapId = builder.defineBitmap(bitmap);
  const CharacterId shapeId = builder.defineBitmapRectangle(bitmapId);
  const Movie movie = test::readOrFail(builder.build());

  bool sawBitmap = false;
  bool sawShape = false;
  for (const Tag& tag : movie.tags) {
    ByteReader in(movie.body(tag));
    if (tag.code == tag::kDefineBitsLossless2) {
      sawBitmap = true;
      EXPECT_EQ(in.u16(), bitmapId);
      EXPECT_EQ(in.u8(), 5) << "32-bit ARGB";
      EXPECT_EQ(in.u16(), 3);
      EXPECT_EQ(in.u16(), 2);
      const auto packed = in.bytes(in.remaining());
      Bytes pixels(6 * 4);
      uLongf size = pixels.size();
      ASSERT_EQ(uncompress(pixels.data(), &size, packed.data(), packed.size()), Z_OK);
      ASSERT_EQ(size, pixels.size());
      // Premultiplied: half-transparent red stores red at half strength.
      EXPECT_EQ(pixels, (Bytes{0xff, 0xff, 0,    0, 0x80, 0x80, 0, 0,    0,    0,    0,    0,
                               0xff, 0,    0xff, 0, 0xff, 0,    0, 0xff, 0x40, 0x20, 0x20, 0x20}));
    } else if (tag.code == tag::kDefineShape3) {
      sawShape = true;
      const DecodedShape shape = decodeShape(movie.body(tag));
      EXPECT_EQ(shape.id, shapeId);
      EXPECT_EQ(shape.fillType, 0x41) << "clipped, smoothed bitmap";
      EXPECT_EQ(shape.fillBitmap, bitmapId);
      EXPECT_DOUBLE_EQ(shape.fillMatrix.scaleX, 20.0);
      EXPECT_DOUBLE_EQ(shape.fillMatrix.scaleY, 20.0);
      EXPECT_EQ(shape.fillMatrix.x, 0);
      EXPECT_EQ(shape.bounds, (Rect{0, 60, 0, 40}));
    }
  }
  EXPECT_TRUE(sawBitmap);
  EXPECT_TRUE(sawShape);
}

TEST(ShapeTest, BitmapFillKinds) {
  struct Case {
    bool smooth;
    bool repeat;
    uint8_t expected;
  };
  for (const Case& c : {Case{true, true, 0x40}, Case{true, false, 0x41}, Case{false, true, 0x42},
                        Case{false, false, 0x43}}) {
    MovieBuilder builder;
    Bitmap bitmap;
    bitmap.width = 1;
    bitmap.height = 1;
    bitmap.argb = {0xffffffff};
    const CharacterId id = builder.defineBitmap(bitmap);
    builder.defineShape(
        Path::rectangle(0, 0, 10, 10),
        ShapeStyle::filled(BitmapFill(id, Matrix::scale(2, 3, 5, 6), c.smooth, c.repeat)));
    const Movie movie = test::readOrFail(builder.build());
    for (const Tag& tag : movie.tags) {
      if (tag.code != tag::kDefineShape3) continue;
      const DecodedShape shape = decodeShape(movie.body(tag));
      EXPECT_EQ(shape.fillType, c.expected);
      EXPECT_DOUBLE_EQ(shape.fillMatrix.scaleX, 40.0);
      EXPECT_DOUBLE_EQ(shape.fillMatrix.scaleY, 60.0);
      EXPECT_EQ(shape.fillMatrix.x, 100);
      EXPECT_EQ(shape.fillMatrix.y, 120);
    }
  }
}

}  // namespace
}  // namespace hifz::swf
