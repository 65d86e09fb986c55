#include "recited_content/mp3_frames.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <variant>

#include "recitation_files.h"
#include "recited_content/mp3_convert.h"

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

TEST(Mp3FramesTest, WhatIsNotWholeMp3IsAProblem) {
  const std::vector<std::uint8_t> good = toneMp3(500, 0.4, 22050, 1);
  const std::string text = "just some text, not a sound";
  std::vector<std::uint8_t> cut(good.begin(), good.end() - 10);
  std::vector<std::uint8_t> stray = good;
  stray.insert(stray.end(), {'x', 'y', 'z', 1, 2, 3});
  std::vector<std::uint8_t> mixed = good;
  const std::vector<std::uint8_t> other = toneMp3(500, 0.4, 44100, 1);
  mixed.insert(mixed.end(), other.begin(), other.end());
  const std::pair<std::string, std::vector<std::uint8_t>> cases[] = {
      {"no MP3 frame found", {}},       {"no MP3 frame found", {text.begin(), text.end()}},
      {"it ends inside a frame", cut},  {"stray bytes", stray},
      {"frames of two formats", mixed},
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
