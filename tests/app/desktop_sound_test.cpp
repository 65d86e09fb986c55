#include "platform/desktop_sound.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <cstdlib>
#include <functional>
#include <string>

#include "sound_recorder.h"

namespace hifz {
namespace {

using testing::loudness;
using testing::toneFrequency;

void setSpeakersVolume(int value) {
  QProcess::execute("pactl", {"set-sink-volume", "@DEFAULT_SINK@", QString::number(value)});
}

std::vector<std::int16_t> heardWhile(const std::function<void()>& sound) {
  return testing::recordSoundOf(sound, 600);
}

// Replaces an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() { setenv(name_, saved_.c_str(), 1); }

 private:
  const char* name_;
  std::string saved_;
};

TEST(DesktopSound, RingsTheDesktopsBellAtTheSpeakersVolume) {
  ASSERT_TRUE(testing::canRecordSound());
  CanberraBell bell;
  setSpeakersVolume(65536);
  bool rang = false;
  const double full = loudness(heardWhile([&] { rang = bell.ring(); }));
  EXPECT_TRUE(rang);
  EXPECT_GT(full, 300);
  setSpeakersVolume(32768);  // half the scale: an eighth of the amplitude on the cubic scale
  const double half = loudness(heardWhile([&] { bell.ring(); }));
  EXPECT_NEAR(half / full, 0.125, 0.04);
}

TEST(DesktopSound, PlaysItsOwnToneAtTheSpeakersVolume) {
  ASSERT_TRUE(testing::canRecordSound());
  PulseTone tone;
  setSpeakersVolume(65536);
  bool played = false;
  const auto heard = heardWhile([&] { played = tone.play(); });
  EXPECT_TRUE(played);
  EXPECT_NEAR(toneFrequency(heard), PulseTone::kPitchHz, 50);
  const double full = loudness(heard);
  EXPECT_GT(full, 500);
  setSpeakersVolume(32768);
  EXPECT_NEAR(loudness(heardWhile([&] { tone.play(); })) / full, 0.125, 0.04);
}

TEST(DesktopSound, WithoutASoundServerNeitherPlaysAndTheBeepReturns) {
  const ScopedEnv noServer("PULSE_SERVER", "unix:/nonexistent/hifz/native");
  EXPECT_FALSE(CanberraBell().ring());
  EXPECT_FALSE(PulseTone().play());
  DesktopSound().beep();
}

}  // namespace
}  // namespace hifz
