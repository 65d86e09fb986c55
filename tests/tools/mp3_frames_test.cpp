#include "content/recited/mp3_frames.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <variant>

#include "content/recited/mp3_convert.h"
#include "content/recited/mp3_header.h"
#include "recitation_files.h"

namespace hifz::content {
namespace {

using testing::decodedLength;
using testing::toneMp3;

Mp3Audio audioOf(const std::vector<std::uint8_t>& file) {
  auto result = readMp3(file);
  if (const auto* problem = std::get_if<Mp3Problem>(&result)) {
    ADD_FAILURE() << problem->why;
    return {};
  }
  return std::get<Mp3Audio>(std::move(result));
}

std::string problemOf(const std::vector<std::uint8_t>& file) {
  const auto result = readMp3(file);
  const auto* problem = std::get_if<Mp3Problem>(&result);
  return problem == nullptr ? "" : problem->why;
}

TEST(Mp3FramesTest, FormatAndSampleCountAreThoseTheDecoderFinds) {
  QTemporaryDir dir;
  for (const int rate : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}) {
    for (const int channels : {1, 2}) {
      SCOPED_TRACE(std::to_string(rate) + " Hz, " + std::to_string(channels) + " channels");
      const std::vector<std::uint8_t> file = toneMp3(440, 0.5, rate, channels);
      const std::filesystem::path path = dir.filePath("tone.mp3").toStdString();
      testing::writeBytes(path, file);
      const Mp3Audio audio = audioOf(file);
      EXPECT_EQ(audio.format, (Mp3Format{rate, channels}));
      const testing::DecodedLength decoded = decodedLength(path);
      EXPECT_EQ(decoded.sampleRate, rate);
      EXPECT_EQ(audio.samples, decoded.samples);
      EXPECT_GE(audio.seconds(), 0.5);
      // The tone, the encoder's delay (1105 samples) and the last frame's padding.
      EXPECT_LT(audio.seconds(), 0.5 + 2300.0 / rate);
    }
  }
}

TEST(Mp3FramesTest, TagsAndTheEncodersInformationFrameAreLeftOut) {
  const std::vector<std::uint8_t> plain = toneMp3(500, 0.4, 44100, 1);
  const std::vector<std::uint8_t> tagged = toneMp3(500, 0.4, 44100, 1, true);
  ASSERT_EQ(std::string(tagged.begin(), tagged.begin() + 3), "ID3");
  const Mp3Audio fromPlain = audioOf(plain);
  EXPECT_EQ(audioOf(tagged).frames, fromPlain.frames);
  // lame writes an Info frame first; what is kept starts with a frame of sound.
  ASSERT_GT(fromPlain.frames.size(), 40u);
  const std::string firstFrame(fromPlain.frames.begin(), fromPlain.frames.begin() + 40);
  EXPECT_EQ(firstFrame.find("Info"), std::string::npos);
  EXPECT_EQ(firstFrame.find("Xing"), std::string::npos);
  EXPECT_LT(fromPlain.frames.size(), plain.size());

  std::vector<std::uint8_t> withTrailer = plain;
  const std::string id3v1 = "TAG" + std::string(125, ' ');
  withTrailer.insert(withTrailer.end(), id3v1.begin(), id3v1.end());
  EXPECT_EQ(audioOf(withTrailer).frames, fromPlain.frames);
}

std::vector<std::uint8_t> joinedBytes(std::vector<std::uint8_t> file,
                                      const std::vector<std::uint8_t>& more) {
  file.insert(file.end(), more.begin(), more.end());
  return file;
}

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

// An APE tag's 32-byte header or footer: "APETAGEX", version 2000, the size
// of its items and footer, one item, flags.
std::vector<std::uint8_t> apeHeaderOrFooter(std::uint32_t size, std::uint32_t flags) {
  std::vector<std::uint8_t> bytes = bytesOf("APETAGEX");
  for (const std::uint32_t value : {2000u, size, 1u, flags}) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  bytes.resize(32, 0);
  return bytes;
}

std::vector<std::uint8_t> apeTag(bool withHeader) {
  // One item: value size, flags, key, a zero, value.
  std::vector<std::uint8_t> item = {5, 0, 0, 0, 0, 0, 0, 0};
  const std::vector<std::uint8_t> text = bytesOf("Title\0Verse");
  item.insert(item.end(), text.begin(), text.end());
  const auto size = static_cast<std::uint32_t>(item.size() + 32);
  const std::uint32_t hasHeader = 0x80000000;
  std::vector<std::uint8_t> tag;
  if (withHeader) tag = apeHeaderOrFooter(size, hasHeader | 0x20000000);
  tag = joinedBytes(tag, item);
  return joinedBytes(tag, apeHeaderOrFooter(size, withHeader ? hasHeader : 0));
}

TEST(Mp3FramesTest, WhatPlayersPlayIsReadWithANoteAtMost) {
  const std::vector<std::uint8_t> good = toneMp3(500, 0.4, 22050, 1);
  const Mp3Audio whole = audioOf(good);
  // lame's Info frame, then the sound's frames.
  const std::size_t firstFrame = good.size() - whole.frames.size();
  const auto header = headerAt(good, firstFrame);
  ASSERT_TRUE(header);
  const std::size_t secondFrame = firstFrame + header->length;
  std::vector<std::uint8_t> stray = good;
  stray.insert(stray.begin() + static_cast<std::ptrdiff_t>(secondFrame),
               {'x', 'y', 'z', 1, 2, 3, 4});
  const std::vector<std::uint8_t> id3v1 = bytesOf("TAG" + std::string(125, ' '));
  const std::vector<std::uint8_t> lyrics =
      bytesOf("LYRICSBEGININD00003abc" + std::string("000022") + "LYRICS200");

  struct Case {
    const char* what;
    std::vector<std::uint8_t> file;
    std::uint32_t samplesLost;
    std::string note;  // "" for none
  };
  const Case cases[] = {
      {"last frame cut short",
       {good.begin(), good.end() - 10},
       576,
       "its last frame, cut short, is left out"},
      {"CR LF after the last frame", joinedBytes(good, {'\r', '\n'}), 0,
       "2 bytes after its last frame are left out"},
      {"stray bytes between frames", stray, 0,
       "7 stray bytes at byte " + std::to_string(secondFrame) + " are left out"},
      {"an APE tag without its header", joinedBytes(good, apeTag(false)), 0, ""},
      {"an APE tag and an ID3v1 tag", joinedBytes(joinedBytes(good, apeTag(true)), id3v1), 0, ""},
      {"a Lyrics3 tag and an ID3v1 tag", joinedBytes(joinedBytes(good, lyrics), id3v1), 0, ""},
      {"zero padding", joinedBytes(good, std::vector<std::uint8_t>(100, 0)), 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Mp3Audio audio = audioOf(c.file);
    EXPECT_EQ(audio.samples, whole.samples - c.samplesLost);
    ASSERT_LE(audio.frames.size(), whole.frames.size());
    EXPECT_TRUE(std::equal(audio.frames.begin(), audio.frames.end(), whole.frames.begin()));
    if (c.samplesLost == 0) {
      EXPECT_EQ(audio.frames.size(), whole.frames.size());
    }
    EXPECT_EQ(audio.notes,
              c.note.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.note});
  }
}

// Frames of MPEG 1 layer III at 44.1 kHz, mono, with no bitrate: free format.
std::vector<std::uint8_t> freeFormatFrames() {
  std::vector<std::uint8_t> file;
  for (int frame = 0; frame < 6; ++frame) {
    const std::vector<std::uint8_t> header = {0xff, 0xfb, 0x00, 0xc0};
    file.insert(file.end(), header.begin(), header.end());
    file.resize(file.size() + 413, 0);
  }
  return file;
}

TEST(Mp3FramesTest, WhatIsNotMp3ThatAMovieCanCarryIsAProblemThatSaysWhy) {
  const std::vector<std::uint8_t> good = toneMp3(500, 0.4, 22050, 1);
  const std::vector<std::uint8_t> other = toneMp3(500, 0.4, 44100, 1);
  const std::pair<std::string, std::vector<std::uint8_t>> cases[] = {
      {"no MP3 frame found", {}},
      {"no MP3 frame found", bytesOf("just some text, not a sound")},
      {"free-format MP3, whose frames give no bitrate; not supported", freeFormatFrames()},
      {"frames of two formats", joinedBytes(good, other)},
  };
  for (const auto& [why, file] : cases) {
    EXPECT_NE(problemOf(file).find(why), std::string::npos) << why << ": " << problemOf(file);
  }
}

TEST(Mp3FramesTest, JoinedSoundsFollowOneAnother) {
  const Mp3Audio first = audioOf(toneMp3(500, 0.4, 44100, 1));
  const Mp3Audio second = audioOf(toneMp3(700, 0.3, 44100, 1));
  const Mp3Audio both = joined({&first, &second});
  EXPECT_EQ(both.format, first.format);
  EXPECT_EQ(both.samples, first.samples + second.samples);
  EXPECT_EQ(both.frames.size(), first.frames.size() + second.frames.size());
  EXPECT_EQ(audioOf(both.frames).samples, both.samples);
}

TEST(Mp3FramesTest, EveryLayer3RateConvertsUpAndDown) {
  for (const int rate : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}) {
    const Mp3Audio source = audioOf(toneMp3(600, 0.5, rate, 1));
    for (const Mp3Format target : {Mp3Format{44100, 2}, Mp3Format{8000, 1}}) {
      if (target.sampleRate == rate) continue;
      SCOPED_TRACE(std::to_string(rate) + " Hz to " + std::to_string(target.sampleRate) + " Hz");
      const Mp3Audio result = converted(source, target);
      EXPECT_EQ(result.format, target);
      // The encoder adds its delay and pads the last frame: longer at a low rate.
      EXPECT_NEAR(result.seconds(), source.seconds(), 0.2);
    }
  }
}

TEST(Mp3FramesTest, ConversionGivesTheAskedFormatAndKeepsTheLength) {
  const Mp3Audio source = audioOf(toneMp3(600, 1.0, 48000, 2));
  for (const Mp3Format target : {Mp3Format{44100, 2}, Mp3Format{44100, 1}, Mp3Format{22050, 1}}) {
    const Mp3Audio result = converted(source, target);
    EXPECT_EQ(result.format, target);
    // The encoder adds its delay and pads the last frame.
    EXPECT_NEAR(result.seconds(), source.seconds(), 0.08) << target.sampleRate;
  }
}

}  // namespace
}  // namespace hifz::content
