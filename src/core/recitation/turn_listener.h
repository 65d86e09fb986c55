#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "controls/control.h"
#include "platform/microphone.h"
#include "recitation/take_shelf.h"
#include "recitation/turn_note.h"
#include "recitation/voice_detector.h"

namespace hifz {

class Form1;

/// Listens to the learner's turn through the platform's microphone while
/// `RecordTurn` or `EndOnSilence` is on. With `RecordTurn`, the mark
/// `RecordingMark` shows beside the countdown, and the learner's voice, from
/// where it begins to where it ends, is kept on the shelf as the verse's take
/// when the turn ends. With `EndOnSilence`, the turn ends early once the
/// learner spoke and then was quiet for 1.5 s; a turn that ran its time
/// without voice ends with "لم أسمعك" in the turn's note. A microphone that cannot be
/// heard, or stops being heard, turns both options off and says why, once in
/// the options' note and once on the diagnostics; the turn then runs as if
/// they had been off, and keeps no part of a take.
class TurnListener final : public ControlObserver {
 public:
  /// Takes of the reading going on: the last of each verse, ten minutes in all.
  static constexpr std::size_t kShelfSamples = 10 * 60 * kMicrophoneRate;

  TurnListener(Form1& form, TurnNote& note);
  TurnListener(const TurnListener&) = delete;
  TurnListener& operator=(const TurnListener&) = delete;

  void turnBegins();
  /// The turn ended, by its time, early or stopped; nothing when none listens.
  void turnEnds();
  const TakeShelf& takes() const { return shelf_; }

  /// A new reading begins when the stop button shows: the shelf empties.
  void controlChanged(const Control& control, Property property) override;

 private:
  void heard(std::span<const std::int16_t> samples);
  void failed(const std::string& why);
  void stopListening();
  void keepTake();

  Form1& form_;
  TurnNote& note_;
  TakeShelf shelf_{kShelfSamples};
  bool listening_ = false;
  std::optional<VoiceDetector> voice_;
  std::vector<std::int16_t> samples_;
  std::size_t mostSamples_ = 0;
  VerseKey verse_;
  std::string moviePath_;
  std::int64_t began_ = 0;
};

}  // namespace hifz
