#pragma once

#include <cstdint>
#include <functional>

#include "platform/clock.h"

namespace hifz {

/// An arrow that steps again and again while the left button holds it down,
/// faster the longer it is held: a first step 500 ms after the press, then
/// one every 150 ms, one every 50 ms from the sixth on. A quick click is one
/// step, as it always was; the click that ends a hold which stepped is none.
class HeldArrow {
 public:
  /// `step` moves once and says whether it could; at a bound the hold stops.
  HeldArrow(Clock& clock, std::function<bool()> step);
  ~HeldArrow();
  HeldArrow(const HeldArrow&) = delete;
  HeldArrow& operator=(const HeldArrow&) = delete;

  void pressed();
  /// The button went up, wherever the pointer is; a release with no hold is ignored.
  void released();
  /// The arrow was clicked: steps, unless a hold just stepped for this press.
  void clicked();

 private:
  void schedule(std::int64_t delayMs);
  void stepAgain();

  Clock& clock_;
  std::function<bool()> step_;
  Clock::Ticket pending_ = 0;
  bool holding_ = false;
  int heldSteps_ = 0;
};

}  // namespace hifz
