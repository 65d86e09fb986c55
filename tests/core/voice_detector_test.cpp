#include "recitation/voice_detector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "sound_blocks.h"

namespace hifz {
namespace {

using testing::kQuietRoom;
using testing::kVoice;
using testing::squareWave;

constexpr int kRate = 16000;
constexpr std::int64_t kPerMs = kRate / 1000;

struct Stretch {
  int ms;
  std::int16_t amplitude;
};

struct DetectorCase {
  const char* what;
  std::vector<Stretch> sound;
  bool spoke;
  std::int64_t voiceStartMs;
  std::int64_t voiceEndMs;
  bool stopped;
};

TEST(VoiceDetector, VoiceIsWhatRisesWellAboveTheTurnsOwnQuiet) {
  const DetectorCase cases[] = {
      {"digital silence", {{3000, 0}}, false, 0, 0, false},
      {"a quiet room", {{3000, kQuietRoom}}, false, 0, 0, false},
      {"a verse, then quiet",
       {{500, kQuietRoom}, {1000, kVoice}, {1500, kQuietRoom}},
       true,
       500,
       1500,
       true},
      {"a verse, quiet not yet long enough",
       {{500, kQuietRoom}, {1000, kVoice}, {1480, kQuietRoom}},
       true,
       500,
       1500,
       false},
      {"a click of 60 ms is no speech",
       {{500, kQuietRoom}, {60, kVoice}, {2000, kQuietRoom}},
       false,
       0,
       0,
       false},
      // A room as loud as -40 dBFS: a voice 10 dB above it is not told from it.
      {"a loud room", {{500, 300}, {1000, 950}, {1500, 300}}, false, 0, 0, false},
      {"a loud room and a clear voice",
       {{500, 300}, {1000, 6000}, {1500, 300}},
       true,
       500,
       1500,
       true},
      // Speaking at once: the pauses between the words give the floor, and the
      // voice counts from the end of the turn's first 300 ms.
      {"speaking at once",
       {{1000, kVoice}, {400, kQuietRoom}, {1000, kVoice}, {1500, kQuietRoom}},
       true,
       300,
       2400,
       true},
      // The beep over the turn's first frames does not raise the floor.
      {"the beep at the start",
       {{200, kVoice}, {300, kQuietRoom}, {1000, kVoice}},
       true,
       500,
       1500,
       false},
  };
  for (const DetectorCase& c : cases) {
    VoiceDetector voice(kRate);
    for (const Stretch& stretch : c.sound) {
      // Blocks as the sound server gives them, of no particular length.
      const std::vector<std::int16_t> samples = squareWave(stretch.ms, stretch.amplitude);
      for (std::size_t at = 0; at < samples.size(); at += 1234)
        voice.hear(
            std::span(samples).subspan(at, std::min<std::size_t>(1234, samples.size() - at)));
    }
    EXPECT_EQ(voice.spoke(), c.spoke) << c.what;
    EXPECT_EQ(voice.voiceStart(), c.voiceStartMs * kPerMs) << c.what;
    EXPECT_EQ(voice.voiceEnd(), c.voiceEndMs * kPerMs) << c.what;
    EXPECT_EQ(voice.stoppedSpeaking(), c.stopped) << c.what;
  }
}

TEST(VoiceDetector, EachFrameHasItsLevel) {
  VoiceDetector voice(kRate);
  const std::vector<std::int16_t> samples = squareWave(100, kVoice);
  voice.hear(samples);
  voice.hear(std::vector<std::int16_t>(100, 0));  // no whole frame yet
  ASSERT_EQ(voice.levels().size(), 5U);
  EXPECT_NEAR(voice.levels()[0], -20.77, 0.01);
  EXPECT_EQ(voice.frameLength(), 320);
}

}  // namespace
}  // namespace hifz
