#include "swf/writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support.h"
#include "swf/bytes.h"
#include "swf/rewrite.h"
#include "swf/tag_codes.h"

namespace hifz::swf {
namespace {

using test::Bytes;
using Script = std::vector<std::string>;

std::vector<Tag> tagsWithCode(const Movie& movie, uint16_t code) {
  std::vector<Tag> found;
  for (const Tag& tag : movie.tags) {
    if (tag.code == code) found.push_back(tag);
  }
  return found;
}

MovieBuilder smallMovie() {
  MovieOptions options;
  options.width = 320;
  options.height = 240;
  return MovieBuilder(options);
}

TEST(WriterTest, HeaderRoundTripsThroughTheReader) {
  struct Case {
    const char* name;
    double width;
    double height;
    double fps;
    uint8_t version;
    Compression compression;
    uint16_t frameRate;
  };
  const Case cases[] = {
      {"plain", 550, 400, 24, 10, Compression::kNone, 24 * 256},
      {"zlib, fractional rate", 800, 600, 12.5, 10, Compression::kZlib, 3200},
      {"lzma, odd size", 1024.5, 77.25, 30, 13, Compression::kLzma, 30 * 256},
      {"slow", 100, 100, 0.5, 6, Compression::kZlib, 128},
  };
  for (const Case& c : cases) {
    MovieOptions options;
    options.width = c.width;
    options.height = c.height;
    options.frameRate = c.fps;
    options.version = c.version;
    options.background = Color::rgb(0x123456);
    MovieBuilder builder(options);
    for (int i = 0; i < 3; ++i) builder.showFrame();
    const Bytes file = builder.build(c.compression);

    const Movie movie = test::readOrFail(file);
    EXPECT_EQ(movie.header.compression, c.compression) << c.name;
    EXPECT_EQ(movie.header.version, c.version) << c.name;
    EXPECT_EQ(movie.header.fileLength, movie.bytes.size()) << c.name;
    EXPECT_EQ(movie.header.frameSize,
              (Rect{0, static_cast<int32_t>(c.width * 20), 0, static_cast<int32_t>(c.height * 20)}))
        << c.name;
    EXPECT_EQ(movie.header.frameRate, c.frameRate) << c.name;
    EXPECT_EQ(movie.header.frameCount, 3) << c.name;
    EXPECT_FALSE(movie.actionScript3) << c.name;
    ASSERT_GE(movie.tags.size(), 3u) << c.name;
    EXPECT_EQ(movie.tags[0].code, tag::kFileAttributes) << c.name;
    EXPECT_EQ(Bytes(movie.body(movie.tags[0]).begin(), movie.body(movie.tags[0]).end()),
              (Bytes{0, 0, 0, 0}))
        << c.name;
    EXPECT_EQ(movie.tags[1].code, tag::kSetBackgroundColor) << c.name;
    EXPECT_EQ(Bytes(movie.body(movie.tags[1]).begin(), movie.body(movie.tags[1]).end()),
              (Bytes{0x12, 0x34, 0x56}))
        << c.name;
    EXPECT_EQ(tagsWithCode(movie, tag::kShowFrame).size(), 3u) << c.name;
    EXPECT_EQ(movie.tags.back().code, tag::kEnd) << c.name;
  }
}

TEST(WriterTest, BuildEndsAnUnfinishedFrame) {
  struct Case {
    const char* name;
    int shownFrames;
    bool pendingContent;
    uint16_t expected;
  };
  for (const Case& c : {Case{"nothing at all", 0, false, 1}, Case{"only pending", 0, true, 1},
                        Case{"all shown", 2, false, 2}, Case{"one pending", 2, true, 3}}) {
    MovieBuilder builder = smallMovie();
    for (int i = 0; i < c.shownFrames; ++i) builder.showFrame();
    if (c.pendingContent) builder.stop();
    const Movie movie = test::readOrFail(builder.build());
    EXPECT_EQ(movie.header.frameCount, c.expected) << c.name;
    EXPECT_EQ(tagsWithCode(movie, tag::kShowFrame).size(), c.expected) << c.name;
    EXPECT_EQ(builder.frameCount(), c.shownFrames) << c.name << ": build() leaves the builder be";
  }
}

TEST(WriterTest, FrameActionsLandInTheirFrames) {
  MovieBuilder builder = smallMovie();
  builder.fscommand("show", "menu");
  builder.showFrame();
  builder.showFrame();
  builder.actions(ActionList().fscommand("a", "1").stop().getUrl("FSCommand:b", "2"));
  builder.stop();
  builder.showFrame();
  const Movie movie = test::readOrFail(builder.build());
  std::vector<Script> scripts;
  for (const auto& frame : test::framesOf(movie.tags)) {
    scripts.push_back(test::frameScript(movie, frame));
  }
  EXPECT_EQ(scripts, (std::vector<Script>{{"show:menu"}, {}, {"a:1", "stop", "b:2", "stop"}}));
}

TEST(WriterTest, PlaceAndRemove) {
  MovieBuilder builder = smallMovie();
  const CharacterId box = builder.defineRectangle(10, 10, Color::rgb(0));
  builder.place(box, 3, Matrix::scale(2, 0.5, 100, -20.5), "box");
  builder.place(box, 4);
  builder.remove(3);
  const Movie movie = test::readOrFail(builder.build());

  const auto placed = tagsWithCode(movie, tag::kPlaceObject2);
  ASSERT_EQ(placed.size(), 2u);
  {
    ByteReader in(movie.body(placed[0]));
    EXPECT_EQ(in.u8(), 0x02 | 0x04 | 0x20) << "character, matrix, name";
    EXPECT_EQ(in.u16(), 3);
    EXPECT_EQ(in.u16(), box);
    BitReader bits(in);
    ASSERT_EQ(bits.unsignedBits(1), 1u) << "has scale";
    const unsigned n = bits.unsignedBits(5);
    EXPECT_EQ(bits.signedBits(n), 2 * 65536);
    EXPECT_EQ(bits.signedBits(n), 65536 / 2);
    EXPECT_EQ(bits.unsignedBits(1), 0u) << "no rotation";
    const unsigned t = bits.unsignedBits(5);
    EXPECT_EQ(bits.signedBits(t), 2000);
    EXPECT_EQ(bits.signedBits(t), -410);
    const auto name = in.bytes(4);
    EXPECT_EQ(std::string(name.begin(), name.end()), std::string("box\0", 4));
    EXPECT_EQ(in.remaining(), 0u);
  }
  {
    ByteReader in(movie.body(placed[1]));
    EXPECT_EQ(in.u8(), 0x02 | 0x04);
    EXPECT_EQ(in.u16(), 4);
    EXPECT_EQ(in.u16(), box);
    EXPECT_EQ(in.u8(), 0x00) << "identity: no scale, no rotation, no translation bits";
    EXPECT_EQ(in.remaining(), 0u);
  }
  const auto removed = tagsWithCode(movie, tag::kRemoveObject2);
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_EQ(Bytes(movie.body(removed[0]).begin(), movie.body(removed[0]).end()), (Bytes{3, 0}));
}

struct DecodedButton {
  uint16_t id = 0;
  struct Record {
    uint8_t states;
    uint16_t character;
    uint16_t depth;
  };
  std::vector<Record> records;
  uint16_t condition = 0;
  std::vector<test::Action> actions;
};

DecodedButton decodeButton(std::span<const uint8_t> body) {
  DecodedButton button;
  ByteReader in(body);
  button.id = in.u16();
  EXPECT_EQ(in.u8(), 0) << "not a menu";
  const size_t offsetField = in.position();
  const uint16_t actionOffset = in.u16();
  while (const uint8_t states = in.u8()) {
    DecodedButton::Record record{states, in.u16(), in.u16()};
    BitReader matrix(in);
    if (matrix.unsignedBits(1)) {
      const unsigned n = matrix.unsignedBits(5);
      matrix.unsignedBits(2 * n);
    }
    EXPECT_EQ(matrix.unsignedBits(1), 0u);
    const unsigned n = matrix.unsignedBits(5);
    matrix.unsignedBits(2 * n);
    EXPECT_EQ(in.u8(), 0) << "plain colour transform";
    button.records.push_back(record);
    if (in.failed()) break;
  }
  if (actionOffset == 0) {
    EXPECT_EQ(in.remaining(), 0u) << "no actions, nothing after the records";
    return button;
  }
  EXPECT_EQ(actionOffset, in.position() - offsetField);
  EXPECT_EQ(in.u16(), 0) << "single condition";
  button.condition = in.u16();
  button.actions = test::decodeActions(in.bytes(in.remaining()));
  EXPECT_FALSE(in.failed());
  return button;
}

TEST(WriterTest, ButtonsRunTheirFscommandOnRelease) {
  struct Case {
    std::string command;
    std::string args;
  };
  const Case cases[] = {
      {"goto", "menu"},
      {"play", ""},
      {"open_verse", "2:255"},
      {"title", "\xd8\xa7\xd9\x84\xd9\x81\xd8\xa7\xd8\xaa\xd8\xad\xd8\xa9"},  // Arabic, UTF-8
  };
  for (const Case& c : cases) {
    MovieBuilder builder = smallMovie();
    const CharacterId up = builder.defineRectangle(80, 20, Color::rgb(0x808080));
    Button button;
    button.up = ButtonFace(up);
    button.onRelease.fscommand(c.command, c.args);
    const CharacterId id = builder.defineButton(button);
    builder.place(id, 1);
    const Movie movie = test::readOrFail(builder.build());
    const auto tags = tagsWithCode(movie, tag::kDefineButton2);
    ASSERT_EQ(tags.size(), 1u);

    const DecodedButton decoded = decodeButton(movie.body(tags[0]));
    EXPECT_EQ(decoded.id, id);
    EXPECT_EQ(decoded.condition, 0x0008) << "OverDownToOverUp";
    ASSERT_EQ(decoded.actions.size(), 1u);
    const test::GetUrl url = test::decodeGetUrl(decoded.actions[0]);
    EXPECT_EQ(url.url, "FSCommand:" + c.command);
    EXPECT_EQ(url.target, c.args);
  }
}

TEST(WriterTest, ButtonStatesShareRecordsWhenTheyShareFaces) {
  MovieBuilder builder = smallMovie();
  const CharacterId normal = builder.defineRectangle(80, 20, Color::rgb(0x808080));
  const CharacterId lit = builder.defineRectangle(80, 20, Color::rgb(0xc0c0c0));
  const CharacterId pressed = builder.defineRectangle(80, 20, Color::rgb(0x404040));

  struct Case {
    const char* name;
    Button button;
    std::vector<std::pair<uint8_t, uint16_t>> expected;  // states, character
  };
  Button onlyUp;
  onlyUp.up = ButtonFace(normal);
  Button all;
  all.up = ButtonFace(normal);
  all.over = ButtonFace(lit);
  all.down = ButtonFace(pressed);
  all.hit = ButtonFace(normal, Matrix::scale(1.2, 1.2));
  Button overOnly;
  overOnly.up = ButtonFace(normal);
  overOnly.over = ButtonFace(lit);
  const Case cases[] = {
      {"only up", onlyUp, {{0x0f, normal}}},
      {"all four", all, {{0x01, normal}, {0x02, lit}, {0x04, pressed}, {0x08, normal}}},
      {"down follows over", overOnly, {{0x09, normal}, {0x06, lit}}},
  };
  for (const Case& c : cases) {
    const CharacterId id = builder.defineButton(c.button);
    const Movie movie = test::readOrFail(builder.build());
    for (const Tag& tag : tagsWithCode(movie, tag::kDefineButton2)) {
      const DecodedButton decoded = decodeButton(movie.body(tag));
      if (decoded.id != id) continue;
      std::vector<std::pair<uint8_t, uint16_t>> records;
      uint16_t depth = 0;
      for (const auto& record : decoded.records) {
        records.emplace_back(record.states, record.character);
        EXPECT_GT(record.depth, depth) << c.name << ": distinct depths";
        depth = record.depth;
      }
      EXPECT_EQ(records, c.expected) << c.name;
      EXPECT_TRUE(decoded.actions.empty()) << c.name;
    }
  }
}

TEST(WriterTest, WrittenMoviesTakeTheFrameMarkers) {
  MovieBuilder builder = smallMovie();
  builder.showFrame();
  builder.stop();
  builder.showFrame();
  auto result = rewriteForSlot(builder.build(Compression::kZlib), {});
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_TRUE(result->rewritten);
  EXPECT_EQ(result->frameCount, 2);
  const Movie movie = test::readOrFail(result->bytes);
  const auto frames = test::framesOf(movie.tags);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(test::frameScript(movie, frames[0]), (Script{"__frame:0"}));
  EXPECT_EQ(test::frameScript(movie, frames[1]), (Script{"__frame:1", "stop"}));
}

TEST(WriterTest, RefusesMisuse) {
  MovieBuilder builder = smallMovie();
  const CharacterId box = builder.defineRectangle(10, 10, Color::rgb(0));
  Bitmap bitmap;
  bitmap.width = 2;
  bitmap.height = 2;
  bitmap.argb = {0, 0, 0, 0};
  const CharacterId image = builder.defineBitmap(bitmap);
  const CharacterId sound = builder.defineSound(sineTone(440, 0.1, 0.5, SampleRate::k11025));

  struct Case {
    const char* name;
    std::function<void()> misuse;
  };
  const Case cases[] = {
      {"place an unknown id", [&] { builder.place(999, 1); }},
      {"place a bitmap directly", [&] { builder.place(image, 1); }},
      {"place a sound", [&] { builder.place(sound, 1); }},
      {"bitmap rectangle of a shape", [&] { builder.defineBitmapRectangle(box); }},
      {"bitmap fill of a shape",
       [&] {
         builder.defineShape(Path::rectangle(0, 0, 1, 1), ShapeStyle::filled(BitmapFill(box)));
       }},
      {"button face that is a sound",
       [&] {
         Button button;
         button.up = ButtonFace(sound);
         builder.defineButton(button);
       }},
      {"start a shape", [&] { builder.startSound(box, 1); }},
      {"zero loops", [&] { builder.startSound(sound, 0); }},
      {"pixel count off",
       [&] {
         Bitmap wrong;
         wrong.width = 2;
         wrong.height = 2;
         wrong.argb = {0, 0, 0};
         builder.defineBitmap(wrong);
       }},
      {"empty bitmap", [&] { builder.defineBitmap(Bitmap{}); }},
      {"NUL in a command", [&] { builder.fscommand(std::string("a\0b", 3), "x"); }},
      {"NUL in a name", [&] { builder.place(box, 1, {}, std::string("a\0b", 3)); }},
      {"shape beyond the coordinate range",
       [&] { builder.defineRectangle(1e9, 10, Color::rgb(0)); }},
      {"scale beyond range", [&] { builder.place(box, 1, Matrix::scale(1e6, 1)); }},
      {"zlib before version 6",
       [] {
         MovieOptions options;
         options.version = 5;
         MovieBuilder(options).build(Compression::kZlib);
       }},
      {"lzma before version 13", [] { MovieBuilder().build(Compression::kLzma); }},
      {"zero frame rate",
       [] {
         MovieOptions options;
         options.frameRate = 0;
         MovieBuilder{options};
       }},
      {"empty stage",
       [] {
         MovieOptions options;
         options.width = 0;
         MovieBuilder{options};
       }},
  };
  for (const Case& c : cases) {
    EXPECT_THROW(c.misuse(), std::logic_error) << c.name;
  }
}

}  // namespace
}  // namespace hifz::swf
