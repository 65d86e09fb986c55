#include "content/tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "content/chapter_plan.h"

namespace hifz::content {
namespace {

// 525 Hz is 21 samples a period, 21 periods a frame: every full frame of the
// tone is the same bytes, so a packed movie keeps almost nothing of it.
constexpr double kPitch = 525;
constexpr double kLoudness = 0.22;
constexpr double kFadeSeconds = 0.12;
constexpr double kClickPitch = 1575;
constexpr double kClickDecaySeconds = 0.006;

double samplesPerFrame() { return swf::samplesPerSecond(kSoundRate) / kFrameRate; }

std::size_t samplesFor(int frames) {
  return static_cast<std::size_t>(std::lround(frames * samplesPerFrame()));
}

}  // namespace

swf::Pcm placeholderTone(int frames) {
  const double rate = swf::samplesPerSecond(kSoundRate);
  const std::size_t count = samplesFor(frames);
  const double fade = std::min(kFadeSeconds * rate, count / 2.0);
  swf::Pcm tone = swf::sineTone(kPitch, count / rate, kLoudness, kSoundRate);
  tone.samples.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double edge = std::min<double>(i, count - 1 - i);
    if (edge >= fade) continue;
    // A raised-cosine fade has no audible click at either end.
    const double gain = 0.5 - 0.5 * std::cos(std::numbers::pi * edge / fade);
    tone.samples[i] = static_cast<int16_t>(std::lround(tone.samples[i] * gain));
  }
  return tone;
}

swf::Pcm clickSound() {
  const double rate = swf::samplesPerSecond(kSoundRate);
  const std::size_t count = samplesFor(1);
  swf::Pcm click = swf::sineTone(kClickPitch, count / rate, 0.5, kSoundRate);
  click.samples.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double gain = std::exp(-static_cast<double>(i) / (kClickDecaySeconds * rate));
    click.samples[i] = static_cast<int16_t>(std::lround(click.samples[i] * gain));
  }
  return click;
}

}  // namespace hifz::content
