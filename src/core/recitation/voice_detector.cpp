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
  levels_.push_back(meanSquare > 0
                        ? std::max(kSilence, static_cast<float>(10 * std::log10(meanSquare)))
                        : kSilence);
  frameEnergy_ = 0;
  frameFill_ = 0;
  const auto frames = static_cast<int>(levels_.size());
  if (frames < kFloorFrames) return;
  if (frames == kFloorFrames || (frames - kFloorFrames) % kFloorEvery == 0) {
    measureFloor();
    return;
  }
  countVoice(levels_.size() - 1);
}

// The floor is taken again over every frame so far, and the voice counted
// afresh against it.
void VoiceDetector::measureFloor() {
  std::vector<float> sorted(levels_);
  const auto quiet = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 10);
  std::nth_element(sorted.begin(), quiet, sorted.end());
  threshold_ = std::max(*quiet + kAboveFloor, kQuietestVoice);
  voiceFrames_ = 0;
  for (std::size_t frame = kFloorFrames; frame < levels_.size(); ++frame) countVoice(frame);
}

void VoiceDetector::countVoice(std::size_t frame) {
  if (levels_[frame] < threshold_) return;
  if (voiceFrames_ == 0) firstVoice_ = static_cast<std::int64_t>(frame);
  ++voiceFrames_;
  lastVoice_ = static_cast<std::int64_t>(frame) + 1;
}

bool VoiceDetector::stoppedSpeaking() const {
  if (!spoke()) return false;
  return static_cast<std::int64_t>(levels_.size()) - lastVoice_ >= kQuietFrames;
}

}  // namespace hifz
