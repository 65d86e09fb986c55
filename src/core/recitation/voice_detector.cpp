#include "recitation/voice_detector.h"

#include <algorithm>
#include <cmath>

namespace hifz {
namespace {

constexpr int kFramesPerSecond = 50;
constexpr float kAboveFloor = 12;
constexpr float kQuietestVoice = -50;
constexpr float kSilence = -96;
constexpr double kFullScale = 32768.0;

}  // namespace

VoiceDetector::VoiceDetector(int sampleRate)
    : frameLength_(std::max(1, sampleRate / kFramesPerSecond)) {}

void VoiceDetector::hear(std::span<const std::int16_t> samples) {
  for (const std::int16_t sample : samples) {
    const double value = sample / kFullScale;
    frameEnergy_ += value * value;
    if (++frameFill_ == frameLength_) frameDone();
  }
}

void VoiceDetector::frameDone() {
  const double meanSquare = frameEnergy_ / frameLength_;
  const float level = meanSquare > 0
                          ? std::max(kSilence, static_cast<float>(10 * std::log10(meanSquare)))
                          : kSilence;
  frameEnergy_ = 0;
  frameFill_ = 0;
  levels_.push_back(level);
  const auto frames = static_cast<std::int64_t>(levels_.size());
  if (frames < kFloorFrames) return;
  if (frames == kFloorFrames) threshold_ = threshold();
  if (level < threshold_) return;
  if (voiceFrames_ == 0) firstVoice_ = (frames - 1) * frameLength_;
  ++voiceFrames_;
  lastVoiceEnd_ = frames * frameLength_;
}

float VoiceDetector::threshold() {
  std::vector<float> floor(levels_.begin(), levels_.end());
  const auto quiet = floor.begin() + kFloorFrames / 5;
  std::nth_element(floor.begin(), quiet, floor.end());
  return std::max(*quiet + kAboveFloor, kQuietestVoice);
}

bool VoiceDetector::stoppedSpeaking() const {
  if (!spoke()) return false;
  const auto heard = static_cast<std::int64_t>(levels_.size()) * frameLength_;
  return heard - lastVoiceEnd_ >= static_cast<std::int64_t>(kQuietFrames) * frameLength_;
}

}  // namespace hifz
