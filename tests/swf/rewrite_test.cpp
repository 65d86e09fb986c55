#include "swf/rewrite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support.h"
#include "swf/tag_codes.h"

namespace hifz::swf {
namespace {

using test::Bytes;
using test::frameScript;
using test::plainMovie;
using test::tagRecord;
using Script = std::vector<std::string>;

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// A DoAction running fscommand("own", label), spelled out byte by byte.
Bytes ownAction(const std::string& label) {
  const std::string url = "FSCommand:own";
  Bytes body = {0x83};
  test::appendU16(body, static_cast<uint16_t>(url.size() + label.size() + 2));
  body.insert(body.end(), url.begin(), url.end());
  body.push_back(0);
  body.insert(body.end(), label.begin(), label.end());
  body.push_back(0);
  body.push_back(0);
  return tagRecord(tag::kDoAction, body);
}

const Bytes kFileAttributes = tagRecord(tag::kFileAttributes, {0, 0, 0, 0});
const Bytes kBackground = tagRecord(tag::kSetBackgroundColor, {0xff, 0xff, 0xff});
const Bytes kShape = tagRecord(tag::kDefineShape3, Bytes(70, 0x11));  // opaque to the rewriter
const Bytes kShowFrame = tagRecord(tag::kShowFrame, {});
const Bytes kEnd = tagRecord(tag::kEnd, {});

// Three frames: own actions in the first and (two of them) in the last.
Bytes threeFrames() {
  return plainMovie(concat({kFileAttributes, kBackground, kShape, ownAction("a"), kShowFrame,
                            kShowFrame, ownAction("b"), ownAction("c"), kShowFrame, kEnd}),
                    3);
}

Rewritten rewriteOrFail(const Bytes& movie, RewriteOptions options = {}) {
  auto result = rewriteForSlot(movie, options);
  if (!result) throw std::runtime_error(result.error().message);
  return std::move(result).value();
}

std::vector<Script> scripts(const Movie& movie) {
  std::vector<Script> result;
  for (const auto& frame : test::framesOf(movie.tags)) result.push_back(frameScript(movie, frame));
  return result;
}

TEST(RewriteTest, MarksEveryFrameAheadOfItsOwnActions) {
  const Bytes input = threeFrames();
  const Rewritten result = rewriteOrFail(input);
  ASSERT_TRUE(result.rewritten);
  EXPECT_FALSE(result.actionScript3);
  EXPECT_EQ(result.frameCount, 3);
  EXPECT_DOUBLE_EQ(result.framesPerSecond(), 24.0);
  EXPECT_EQ(result.header.frameSize, (Rect{0, 11000, 0, 8000}));

  const Movie movie = test::readOrFail(result.bytes);
  EXPECT_EQ(scripts(movie),
            (std::vector<Script>{
                {"__frame:0", "own:a"}, {"__frame:1"}, {"__frame:2", "own:b", "own:c"}}));
  // The marker is the first thing in each frame, after the movie-wide settings.
  const auto frames = test::framesOf(movie.tags);
  EXPECT_EQ(movie.tags[0].code, tag::kFileAttributes);
  EXPECT_EQ(movie.tags[1].code, tag::kSetBackgroundColor);
  EXPECT_EQ(frames[0][2].code, tag::kDoAction);
  EXPECT_EQ(frames[0][3].code, tag::kDefineSprite) << "the ticking clip";
  EXPECT_EQ(frames[0][4].code, tag::kPlaceObject2);
  EXPECT_EQ(frames[0][5].code, tag::kDefineShape3);
  EXPECT_EQ(frames[1][0].code, tag::kDoAction);
  EXPECT_EQ(frames[2][0].code, tag::kDoAction);
}

TEST(RewriteTest, KeepsEverythingElseByteForByte) {
  const Bytes input = threeFrames();
  const Movie before = test::readOrFail(input);
  const Movie after = test::readOrFail(rewriteOrFail(input).bytes);

  EXPECT_EQ(Bytes(after.bytes.begin() + 8, after.bytes.begin() + after.tagsOffset),
            Bytes(before.bytes.begin() + 8, before.bytes.begin() + before.tagsOffset))
      << "frame size, rate and count";
  EXPECT_EQ(after.header.version, before.header.version);
  EXPECT_EQ(after.header.compression, Compression::kNone);
  EXPECT_EQ(after.header.fileLength, after.bytes.size()) << "length field updated";
  // Per marker: tag header 2, getURL 3 + "FSCommand:__frame" 18 + "n" 2, End 1.
  // The ticking clip: its tag header 2, id and frame count 4, two frames
  // of a DoAction (header 2, getURL 3 + "FSCommand:__tick" 17 + "" 1, End 1)
  // and a ShowFrame 2, End 2; its placement: header 2, flags 1, depth 2, id 2.
  EXPECT_EQ(after.header.fileLength, input.size() + 3 * (2 + 3 + 18 + 2 + 1) +
                                         (2 + 4 + 2 * (2 + 3 + 17 + 1 + 1 + 2) + 2) +
                                         (2 + 1 + 2 + 2));

  // Dropping the markers and the ticking clip gives back the original tags.
  std::vector<Bytes> original;
  for (const Tag& tag : before.tags) {
    original.emplace_back(before.bytes.begin() + tag.start, before.bytes.begin() + tag.end());
  }
  std::vector<Bytes> kept;
  for (const Tag& tag : after.tags) {
    const Bytes record(after.bytes.begin() + tag.start, after.bytes.begin() + tag.end());
    const bool marker =
        tag.code == tag::kDoAction && frameScript(after, {tag}).front().starts_with("__frame:");
    const bool added = tag.code == tag::kDefineSprite || tag.code == tag::kPlaceObject2;
    if (!marker && !added) kept.push_back(record);
  }
  EXPECT_EQ(kept, original);
}

TEST(RewriteTest, PlacesStopsWhereAsked) {
  struct Case {
    const char* name;
    RewriteOptions options;
    Bytes movie;
    std::vector<Script> expected;
  };
  const Bytes single = plainMovie(concat({kFileAttributes, ownAction("a"), kShowFrame, kEnd}), 1);
  const Case cases[] = {
      {"no stops",
       {false, false},
       threeFrames(),
       {{"__frame:0", "own:a"}, {"__frame:1"}, {"__frame:2", "own:b", "own:c"}}},
      {"play once",
       {true, false},
       threeFrames(),
       {{"__frame:0", "own:a"}, {"__frame:1"}, {"__frame:2", "stop", "own:b", "own:c"}}},
      {"do not start",
       {false, true},
       threeFrames(),
       {{"__frame:0", "stop", "own:a"}, {"__frame:1"}, {"__frame:2", "own:b", "own:c"}}},
      {"both",
       {true, true},
       threeFrames(),
       {{"__frame:0", "stop", "own:a"}, {"__frame:1"}, {"__frame:2", "stop", "own:b", "own:c"}}},
      {"single frame, play once", {true, false}, single, {{"__frame:0", "stop", "own:a"}}},
      {"single frame, both", {true, true}, single, {{"__frame:0", "stop", "own:a"}}},
  };
  for (const Case& c : cases) {
    const Movie movie = test::readOrFail(rewriteOrFail(c.movie, c.options).bytes);
    EXPECT_EQ(scripts(movie), c.expected) << c.name;
  }
}

// The clip a rewritten movie places in its first frame, as its tags say it.
struct TickingClip {
  uint16_t id = 0;
  uint16_t depth = 0;
  uint16_t placedId = 0;
  std::vector<Script> frames;
};

TickingClip tickingClipOf(const Movie& movie) {
  TickingClip clip;
  const auto frames = test::framesOf(movie.tags);
  for (const Tag& tag : frames.front()) {
    const auto body = movie.body(tag);
    if (tag.code == tag::kDefineSprite) {
      clip.id = static_cast<uint16_t>(body[0] | body[1] << 8);
      auto inner = readTags(body, 4);
      if (!inner) throw std::runtime_error("the clip's timeline does not read");
      Movie timeline = movie;
      timeline.bytes.assign(body.begin(), body.end());
      for (const auto& frame : test::framesOf(*inner)) {
        clip.frames.push_back(frameScript(timeline, frame));
      }
    }
    // Its placement follows its definition; the movie's own come later.
    if (tag.code == tag::kPlaceObject2 && body[0] == 0x02 && clip.placedId == 0) {
      clip.depth = static_cast<uint16_t>(body[1] | body[2] << 8);
      clip.placedId = static_cast<uint16_t>(body[3] | body[4] << 8);
    }
  }
  return clip;
}

Bytes definition(uint16_t code, uint16_t id) {
  Bytes body;
  test::appendU16(body, id);
  body.resize(body.size() + 20, 0x11);
  return tagRecord(code, body);
}

Bytes placement(uint16_t id, uint16_t depth) {
  Bytes body = {0x02};
  test::appendU16(body, depth);
  test::appendU16(body, id);
  return tagRecord(tag::kPlaceObject2, body);
}

// A definition of every character id but `spared`, shortest bodies; all of
// them with `spared` above 65535.
Bytes everyIdBut(uint32_t spared) {
  Bytes tags;
  for (uint32_t id = 0; id <= UINT16_MAX; ++id) {
    if (id == spared) continue;
    Bytes body;
    test::appendU16(body, static_cast<uint16_t>(id));
    const Bytes record = tagRecord(tag::kDefineShape3, body);
    tags.insert(tags.end(), record.begin(), record.end());
  }
  return tags;
}

TEST(RewriteTest, PlacesAClipThatTicksOnEachOfItsFramesClearOfTheMoviesOwn) {
  struct Case {
    const char* name;
    Bytes tags;
    uint16_t id;
    uint16_t depth;
  };
  const Case cases[] = {
      {"an empty movie", concat({kShowFrame, kEnd}), 65535, 1},
      {"ids and depths in use",
       concat({definition(tag::kDefineShape3, 65535), definition(tag::kDefineButton2, 65534),
               placement(65535, 7), kShowFrame, placement(65534, 40), kShowFrame, kEnd}),
       65533, 41},
      {"depths reach the ones scripts make clips at",
       concat({definition(tag::kDefineShape3, 1), placement(1, 16390), kShowFrame, kEnd}), 65535,
       16383},
      {"one id left, far down", concat({everyIdBut(12), kShowFrame, kEnd}), 12, 1},
  };
  for (const Case& c : cases) {
    const Movie movie = test::readOrFail(rewriteOrFail(plainMovie(c.tags)).bytes);
    const TickingClip clip = tickingClipOf(movie);
    EXPECT_EQ(clip.id, c.id) << c.name;
    EXPECT_EQ(clip.placedId, c.id) << c.name;
    EXPECT_EQ(clip.depth, c.depth) << c.name;
    EXPECT_EQ(clip.frames, (std::vector<Script>{{"__tick:"}, {"__tick:"}})) << c.name;
  }
}

TEST(RewriteTest, CompressedInputGivesTheSamePlainOutput) {
  const Bytes plain = threeFrames();
  const Bytes expected = rewriteOrFail(plain, {true, false}).bytes;
  EXPECT_EQ(rewriteOrFail(test::zlibMovie(plain), {true, false}).bytes, expected);
  EXPECT_EQ(rewriteOrFail(test::lzmaMovie(plain), {true, false}).bytes, expected);
}

TEST(RewriteTest, PassesActionScript3MoviesThroughUntouched) {
  const Bytes plain = test::withActionScript3(threeFrames());
  for (const Bytes& input : {plain, test::zlibMovie(plain), test::lzmaMovie(plain)}) {
    const Rewritten result = rewriteOrFail(input, {true, true});
    EXPECT_FALSE(result.rewritten);
    EXPECT_TRUE(result.actionScript3);
    EXPECT_EQ(result.bytes, input);
    EXPECT_EQ(result.frameCount, 3);
    EXPECT_DOUBLE_EQ(result.framesPerSecond(), 24.0);
  }
}

TEST(RewriteTest, CountsFramesTheWayThePlayerDoes) {
  struct Case {
    const char* name;
    Bytes movie;
    uint16_t frames;
    std::vector<Script> expected;  // per ShowFrame-ended frame
  };
  Bytes sprite = {9, 0, 2, 0};  // a clip with two frames of its own
  for (const Bytes& part : {kShowFrame, ownAction("inner"), kShowFrame, kEnd}) {
    sprite.insert(sprite.end(), part.begin(), part.end());
  }
  const Case cases[] = {
      {"header claims more frames than there are",
       plainMovie(concat({kShowFrame, kShowFrame, kEnd}), 5),
       2,
       {{"__frame:0"}, {"__frame:1"}}},
      {"header claims fewer",
       plainMovie(concat({kShowFrame, kShowFrame, kEnd}), 1),
       2,
       {{"__frame:0"}, {"__frame:1"}}},
      {"a clip's own frames do not count",
       plainMovie(concat({tagRecord(tag::kDefineSprite, sprite), kShowFrame, kEnd}), 1),
       1,
       {{"__frame:0"}}},
      {"tags after the last frame get no marker",
       plainMovie(concat({kShowFrame, ownAction("late"), kEnd}), 1),
       1,
       {{"__frame:0"}}},
  };
  for (const Case& c : cases) {
    const Rewritten result = rewriteOrFail(c.movie);
    EXPECT_EQ(result.frameCount, c.frames) << c.name;
    EXPECT_EQ(scripts(test::readOrFail(result.bytes)), c.expected) << c.name;
  }
}

TEST(RewriteTest, AMovieWithoutShowFrameStillHasItsOneFrame) {
  const Bytes input = plainMovie(concat({kFileAttributes, ownAction("a"), kEnd}), 1);
  const Rewritten result = rewriteOrFail(input, {true, false});
  EXPECT_EQ(result.frameCount, 1);
  const Movie movie = test::readOrFail(result.bytes);
  std::vector<Tag> all(movie.tags.begin(), movie.tags.end() - 1);
  EXPECT_EQ(movie.tags.front().code, tag::kFileAttributes);
  EXPECT_EQ(frameScript(movie, all), (Script{"__frame:0", "stop", "own:a"}));
}

TEST(RewriteTest, AddsTheMissingEndTag) {
  const Bytes input = plainMovie(concat({kShowFrame}), 1);
  const Movie movie = test::readOrFail(rewriteOrFail(input).bytes);
  ASSERT_FALSE(movie.tags.empty());
  EXPECT_EQ(movie.tags.back().code, tag::kEnd);
  EXPECT_EQ(movie.tags.back().end(), movie.bytes.size());
}

TEST(RewriteTest, ReportsInputItCannotHandle) {
  Bytes manyFrames;
  for (int i = 0; i < 65536; ++i) manyFrames.insert(manyFrames.end(), {0x40, 0x00});
  const Bytes whole = threeFrames();
  struct Case {
    const char* name;
    Bytes movie;
    ErrorCode expected;
  };
  const Case cases[] = {
      {"undecodable", {'C', 'W', 'S', 10, 100, 0, 0, 0, 1, 2, 3, 4}, ErrorCode::kBadCompression},
      {"truncated", Bytes(whole.begin(), whole.end() - 3), ErrorCode::kTruncated},
      {"more frames than a player counts", plainMovie(concat({manyFrames, kEnd})),
       ErrorCode::kTooLarge},
      {"every character id taken, none left for the ticking clip",
       plainMovie(concat({everyIdBut(UINT16_MAX + 1), kShowFrame, kEnd})), ErrorCode::kTooLarge},
      {"the same, packed", test::zlibMovie(plainMovie(concat({everyIdBut(UINT16_MAX + 1), kEnd}))),
       ErrorCode::kTooLarge},
  };
  for (const Case& c : cases) {
    auto result = rewriteForSlot(c.movie, {});
    ASSERT_FALSE(result) << c.name;
    EXPECT_EQ(result.error().code, c.expected) << c.name;
  }
}

}  // namespace
}  // namespace hifz::swf
