#pragma once

#include <cstdint>
#include <string>

#include "controls/simple_controls.h"
#include "platform/clock.h"

namespace hifz {

/// Counts a length of time down before the user's eyes: while shown, a ring
/// that empties over the length, and as its caption the whole seconds left,
/// rounded up, in Arabic-Indic digits. The caption changes through the clock;
/// it never reaches zero, as whoever started the countdown ends it.
class Countdown final : public CaptionedControl {
 public:
  Countdown(std::string name, Clock& clock);
  ~Countdown() override;

  /// Shows the countdown from the start of `milliseconds`, even when one runs.
  void start(std::int64_t milliseconds);
  /// Hides it; its caption stays as it was.
  void end();
  /// The length of the last start.
  std::int64_t length() const { return length_; }

 private:
  void showSecondsLeft();
  void cancelTick();

  Clock& clock_;
  std::int64_t length_ = 0;
  std::int64_t left_ = 0;
  Clock::Ticket pending_ = 0;
  bool ticking_ = false;
};

/// `number` written in the Arabic-Indic digits ٠ to ٩.
std::string arabicIndicDigits(std::int64_t number);

}  // namespace hifz
