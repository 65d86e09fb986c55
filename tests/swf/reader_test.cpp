#include "swf/reader.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "support.h"
#include "swf/tag_codes.h"

namespace hifz::swf {
namespace {

using test::Bytes;
using test::plainMovie;
using test::tagRecord;

Bytes fileAttributes(uint8_t flags) { return tagRecord(tag::kFileAttributes, {flags, 0, 0, 0}); }

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

const Bytes kShowFrame = tagRecord(tag::kShowFrame, {});
const Bytes kEnd = tagRecord(tag::kEnd, {});

std::vector<uint16_t> codes(const std::vector<Tag>& tags) {
  std::vector<uint16_t> result;
  for (const Tag& tag : tags) result.push_back(tag.code);
  return result;
}

struct Flavour {
  const char* name;
  Compression compression;
  Bytes (*pack)(const Bytes&);
};

void PrintTo(const Flavour& flavour, std::ostream* out) { *out << flavour.name; }

Bytes unchanged(const Bytes& plain) { return plain; }

class ReaderFlavourTest : public ::testing::TestWithParam<Flavour> {};

TEST_P(ReaderFlavourTest, ReadsHeaderAndTags) {
  const Bytes plain =
      plainMovie(concat({fileAttributes(0), tagRecord(tag::kSetBackgroundColor, {1, 2, 3}),
                         kShowFrame, kShowFrame, kEnd}),
                 2);
  const Bytes file = GetParam().pack(plain);

  auto movie = readMovie(file);
  ASSERT_TRUE(movie) << movie.error().message;
  EXPECT_EQ(movie->header.compression, GetParam().compression);
  EXPECT_EQ(movie->header.version, 10);
  EXPECT_EQ(movie->header.fileLength, plain.size());
  EXPECT_EQ(movie->header.frameSize, (Rect{0, 11000, 0, 8000}));
  EXPECT_EQ(movie->header.frameRate, 24 * 256);
  EXPECT_DOUBLE_EQ(movie->header.framesPerSecond(), 24.0);
  EXPECT_EQ(movie->header.frameCount, 2);
  EXPECT_FALSE(movie->actionScript3);
  EXPECT_EQ(movie->bytes, plain);
  EXPECT_EQ(codes(movie->tags),
            (std::vector<uint16_t>{tag::kFileAttributes, tag::kSetBackgroundColor, tag::kShowFrame,
                                   tag::kShowFrame, tag::kEnd}));
  EXPECT_EQ(movie->body(movie->tags[1]).size(), 3u);
  EXPECT_EQ(movie->body(movie->tags[1])[2], 3);
}

INSTANTIATE_TEST_SUITE_P(AllFlavours, ReaderFlavourTest,
                         ::testing::Values(Flavour{"Fws", Compression::kNone, unchanged},
                                           Flavour{"Cws", Compression::kZlib, test::zlibMovie},
                                           Flavour{"Zws", Compression::kLzma, test::lzmaMovie}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ReaderTest, WalksShortAndLongTagHeaders) {
  const Bytes longBody(100, 0xab);
  const Bytes plain =
      plainMovie(concat({tagRecord(tag::kDoAction, {0x07, 0x00}, /*longHeader=*/true),
                         tagRecord(tag::kDefineShape3, longBody), kShowFrame, kEnd}));
  const Movie movie = test::readOrFail(plain);
  ASSERT_EQ(movie.tags.size(), 4u);
  const Tag& forcedLong = movie.tags[0];
  EXPECT_EQ(forcedLong.start, movie.tagsOffset);
  EXPECT_EQ(forcedLong.offset, forcedLong.start + 6);
  EXPECT_EQ(forcedLong.length, 2u);
  EXPECT_EQ(movie.bytes[forcedLong.offset], 0x07);
  const Tag& big = movie.tags[1];
  EXPECT_EQ(big.code, tag::kDefineShape3);
  EXPECT_EQ(big.start, forcedLong.end());
  EXPECT_EQ(big.length, 100u);
  EXPECT_EQ(big.offset, big.start + 6);
  EXPECT_EQ(movie.tags[3].end(), plain.size());
}

TEST(ReaderTest, ReadTagsWalksASpriteTimeline) {
  Bytes sprite = {7, 0, 2, 0};  // id 7, two frames
  for (const Bytes& part : {kShowFrame, kShowFrame, kEnd}) {
    sprite.insert(sprite.end(), part.begin(), part.end());
  }
  auto tags = readTags(sprite, 4);
  ASSERT_TRUE(tags) << tags.error().message;
  EXPECT_EQ(codes(*tags), (std::vector<uint16_t>{tag::kShowFrame, tag::kShowFrame, tag::kEnd}));
  EXPECT_EQ(readTags(sprite, sprite.size() + 1).error().code, ErrorCode::kMalformed);
}

TEST(ReaderTest, ActionScript3OnlyFromALeadingFileAttributes) {
  struct Case {
    const char* name;
    Bytes tags;
    bool expected;
  };
  const Case cases[] = {
      {"flag set", concat({fileAttributes(0x08), kShowFrame, kEnd}), true},
      {"other flags only", concat({fileAttributes(0x01 | 0x10), kShowFrame, kEnd}), false},
      {"not the first tag", concat({kShowFrame, fileAttributes(0x08), kEnd}), false},
      {"empty body", concat({tagRecord(tag::kFileAttributes, {}), kShowFrame, kEnd}), false},
      {"no tag", concat({kShowFrame, kEnd}), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(test::readOrFail(plainMovie(c.tags)).actionScript3, c.expected) << c.name;
  }
}

TEST(ReaderTest, ToleratesAWrongDeclaredLengthWhenTheTagsAreComplete) {
  Bytes longer = plainMovie(concat({kShowFrame, kEnd}));
  longer[4] += 10;  // declares ten bytes that are not there
  const Movie movie = test::readOrFail(longer);
  EXPECT_EQ(movie.header.fileLength, longer.size() + 10);
  EXPECT_EQ(movie.bytes.size(), longer.size());
  EXPECT_EQ(movie.bytes[4], longer.size()) << "the decoded copy carries its real length";

  Bytes trailing = plainMovie(concat({kShowFrame, kEnd}));
  const size_t declared = trailing.size();
  trailing.insert(trailing.end(), {1, 2, 3, 4});
  EXPECT_EQ(test::readOrFail(trailing).bytes.size(), declared) << "bytes beyond are ignored";
}

TEST(ReaderTest, DecodesNoMoreThanTheDeclaredLength) {
  // A valid movie followed by a megabyte of zeros inside the same zlib stream.
  Bytes plain = plainMovie(concat({kShowFrame, kEnd}));
  const size_t declared = plain.size();
  plain.resize(declared + (1 << 20), 0);
  Bytes file = test::zlibMovie(plain);
  for (size_t i = 0; i < 4; ++i) file[4 + i] = static_cast<uint8_t>(declared >> (8 * i));
  const Movie movie = test::readOrFail(file);
  EXPECT_EQ(movie.bytes.size(), declared);
}

TEST(ReaderTest, DecodesLzmaWhatEverItsDictionarySizeClaims) {
  Bytes file = test::lzmaMovie(plainMovie(concat({kShowFrame, kEnd})));
  // Dictionary size lives in properties bytes 1..4, i.e. file bytes 13..16.
  for (size_t i = 13; i < 17; ++i) file[i] = 0xff;
  EXPECT_TRUE(readMovie(file));
}

Bytes withDeclaredLength(Bytes file, uint32_t length) {
  for (size_t i = 0; i < 4; ++i) file[4 + i] = static_cast<uint8_t>(length >> (8 * i));
  return file;
}

Bytes withVersion(Bytes file, uint8_t version) {
  file[3] = version;
  return file;
}

Bytes cut(const Bytes& file, size_t size) { return Bytes(file.begin(), file.begin() + size); }

// Hard to compress, so a cut through the compressed stream lands inside the tags.
Bytes noisyMovie() {
  Bytes noise(4000);
  uint32_t state = 12345;
  for (uint8_t& byte : noise) {
    state = state * 1103515245 + 12345;
    byte = static_cast<uint8_t>(state >> 16);
  }
  constexpr uint16_t kDefineBinaryData = 87;
  return plainMovie(concat({tagRecord(kDefineBinaryData, noise), kShowFrame, kEnd}));
}

Bytes manyShowFrames(size_t count) {
  Bytes tags;
  for (size_t i = 0; i < count; ++i) tags.insert(tags.end(), kShowFrame.begin(), kShowFrame.end());
  return plainMovie(concat({tags, kEnd}));
}

// A movie whose first tag, a DoAction, claims `length` bytes.
Bytes tagClaiming(uint32_t length, bool longHeader) {
  Bytes file = plainMovie(concat({tagRecord(tag::kDoAction, {0x07, 0x00}, longHeader), kEnd}));
  constexpr size_t kFirstTag = 21;
  if (longHeader) {
    for (size_t i = 0; i < 4; ++i)
      file[kFirstTag + 2 + i] = static_cast<uint8_t>(length >> (8 * i));
  } else {
    file[kFirstTag] = static_cast<uint8_t>((file[kFirstTag] & 0xc0) | length);
  }
  return file;
}

Bytes zlibWithCorruptStream() {
  Bytes file = test::zlibMovie(plainMovie(concat({kShowFrame, kEnd})));
  file[8] = 0x78;
  file[9] = 0x00;  // a zlib header whose check bits are wrong
  return file;
}

Bytes lzmaWithCorruptStream() {
  Bytes file = test::lzmaMovie(noisyMovie());
  for (size_t i = 17; i < file.size(); ++i) file[i] ^= 0x5a;
  return file;
}

TEST(ReaderTest, RejectsBrokenInput) {
  const Bytes good = plainMovie(concat({kShowFrame, kEnd}));
  const Bytes goodZlib = test::zlibMovie(noisyMovie());
  const Bytes goodLzma = test::lzmaMovie(noisyMovie());
  struct Case {
    const char* name;
    Bytes file;
    ErrorCode expected;
  };
  const Case cases[] = {
      {"empty", {}, ErrorCode::kTruncated},
      {"unknown signature", {'X', 'W', 'S', 10, 20, 0, 0, 0}, ErrorCode::kBadSignature},
      {"text file",
       {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'},
       ErrorCode::kBadSignature},
      {"half a signature", {'F', 'W'}, ErrorCode::kTruncated},
      {"half a header", cut(good, 6), ErrorCode::kTruncated},
      {"version 0", withVersion(good, 0), ErrorCode::kMalformed},
      {"declared length under 8", withDeclaredLength(good, 7), ErrorCode::kMalformed},
      {"declared length over the limit", withDeclaredLength(good, kMaxMovieSize + 1),
       ErrorCode::kTooLarge},
      {"compressed, declared length over the limit", withDeclaredLength(goodZlib, 0xffffffff),
       ErrorCode::kTooLarge},
      {"stops inside the frame size", cut(good, 12), ErrorCode::kTruncated},
      {"stops before the frame count", cut(good, 19), ErrorCode::kTruncated},
      {"stops inside a tag header", cut(good, good.size() - 1), ErrorCode::kTruncated},
      {"stops between tags", cut(good, good.size() - 2), ErrorCode::kTruncated},
      {"tag longer than the data", tagClaiming(62, false), ErrorCode::kTruncated},
      {"long tag header claiming 4 GiB", tagClaiming(0xffffffff, true), ErrorCode::kTruncated},
      {"more tags than any real movie", manyShowFrames(kMaxTags + 1), ErrorCode::kTooLarge},
      {"zlib stream corrupt", zlibWithCorruptStream(), ErrorCode::kBadCompression},
      {"zlib stream cut short", cut(goodZlib, goodZlib.size() / 2), ErrorCode::kTruncated},
      {"zlib stream missing", cut(goodZlib, 8), ErrorCode::kTruncated},
      {"lzma header cut short", cut(goodLzma, 15), ErrorCode::kTruncated},
      {"lzma stream corrupt", lzmaWithCorruptStream(), ErrorCode::kBadCompression},
      {"lzma stream cut short", cut(goodLzma, goodLzma.size() / 2), ErrorCode::kTruncated},
  };
  for (const Case& c : cases) {
    auto movie = readMovie(c.file);
    ASSERT_FALSE(movie) << c.name;
    EXPECT_EQ(movie.error().code, c.expected) << c.name << ": " << movie.error().message;
    EXPECT_FALSE(movie.error().message.empty()) << c.name;
  }
}

}  // namespace
}  // namespace hifz::swf
