#include "content/tone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace hifz::content {
namespace {

int peak(const std::vector<int16_t>& samples, size_t from, size_t to) {
  int highest = 0;
  for (size_t i = from; i < to; ++i) highest = std::max(highest, std::abs(int{samples[i]}));
  return highest;
}

TEST(PlaceholderTone, LastsExactlyItsFramesAndFadesInAndOut) {
  for (int frames : {1, 38, 300}) {
    const swf::Pcm tone = placeholderTone(frames);
    ASSERT_EQ(tone.rate, kSoundRate);
    ASSERT_EQ(tone.samples.size(), static_cast<size_t>(frames) * 441) << frames;
    const size_t last = tone.samples.size() - 1;
    EXPECT_LT(std::abs(int{tone.samples.front()}), 200) << frames;
    EXPECT_LT(std::abs(int{tone.samples[last]}), 200) << frames;
    EXPECT_LE(peak(tone.samples, 0, tone.samples.size()), 0.22 * 32767 + 1) << frames;
  }
  const swf::Pcm tone = placeholderTone(100);
  // Soft but clearly there in the middle; quiet in the first and last few milliseconds.
  EXPECT_GT(peak(tone.samples, 20000, 21000), 0.2 * 32767);
  EXPECT_LT(peak(tone.samples, 0, 50), 0.05 * 32767);
  EXPECT_LT(peak(tone.samples, tone.samples.size() - 50, tone.samples.size()), 0.05 * 32767);
}

TEST(PlaceholderTone, ClickIsOneFrameThatDiesAway) {
  const swf::Pcm click = clickSound();
  ASSERT_EQ(click.samples.size(), 441u);
  EXPECT_GT(peak(click.samples, 0, 40), 0.2 * 32767);
  EXPECT_LT(peak(click.samples, 400, 441), 0.01 * 32767);
}

}  // namespace
}  // namespace hifz::content
