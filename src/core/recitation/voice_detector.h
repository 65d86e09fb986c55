#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace hifz {

/// Tells the learner's voice from the room's quiet in the sound of a turn, by
/// energy. The sound is cut into 20 ms frames. The noise floor is the level
/// of the quietest tenth of the frames: first of the turn's first 300 ms,
/// then, every half second, of all the frames heard (a learner who speaks
/// at once after the beep still gives a floor from the pauses between words,
/// and the beep over the turn's start does not raise it). A frame louder than
/// the floor by 12 dB, and than -50 dBFS, is voice. The learner has spoken
/// once 100 ms of voice came in all; then 1.5 s without voice means they
/// stopped.
class VoiceDetector {
 public:
  explicit VoiceDetector(int sampleRate);

  /// The next samples of the turn, with nothing left out since the last.
  void hear(std::span<const std::int16_t> samples);

  bool spoke() const { return voiceFrames_ >= kSpokenFrames; }
  /// Spoke, and has been quiet 1.5 s since the last voice.
  bool stoppedSpeaking() const;
  /// Where the voice began and ended, in samples from the turn's start; both
  /// 0 until the learner spoke.
  std::int64_t voiceStart() const { return spoke() ? firstVoice_ * frameLength_ : 0; }
  std::int64_t voiceEnd() const { return spoke() ? lastVoice_ * frameLength_ : 0; }
  /// Each whole frame's level so far, in dBFS (-96 for digital silence).
  const std::vector<float>& levels() const { return levels_; }
  /// Samples in a frame.
  int frameLength() const { return frameLength_; }

 private:
  static constexpr int kFloorFrames = 15;
  static constexpr int kFloorEvery = 25;
  static constexpr int kSpokenFrames = 5;
  static constexpr int kQuietFrames = 75;

  void frameDone();
  void measureFloor();
  void countVoice(std::size_t frame);

  int frameLength_;
  double frameEnergy_ = 0;
  int frameFill_ = 0;
  std::vector<float> levels_;
  float threshold_ = 0;
  int voiceFrames_ = 0;
  // In frames: the first voice frame, and the frame after the last one.
  std::int64_t firstVoice_ = 0;
  std::int64_t lastVoice_ = 0;
};

}  // namespace hifz
