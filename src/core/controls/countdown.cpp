#include "controls/countdown.h"

#include <algorithm>

namespace hifz {
namespace {

constexpr std::int64_t kSecond = 1000;

std::int64_t wholeSecondsIn(std::int64_t milliseconds) {
  return (milliseconds + kSecond - 1) / kSecond;
}

}  // namespace

Countdown::Countdown(std::string name, Clock& clock)
    : CaptionedControl(std::move(name), ControlKind::Countdown), clock_(clock) {
  setVisible(false);
}

Countdown::~Countdown() { cancelTick(); }

void Countdown::start(std::int64_t milliseconds) {
  cancelTick();
  length_ = std::max<std::int64_t>(milliseconds, 1);
  left_ = length_;
  showSecondsLeft();
  notify(Property::Start);
  setVisible(true);
}

void Countdown::end() {
  cancelTick();
  setVisible(false);
}

void Countdown::showSecondsLeft() {
  const std::int64_t seconds = wholeSecondsIn(left_);
  setCaption(arabicIndicDigits(seconds));
  if (seconds <= 1) return;
  // The caption changes when the time left falls to the next whole second.
  const std::int64_t untilNext = left_ - (seconds - 1) * kSecond;
  pending_ = clock_.callAfter(untilNext, [this, untilNext] {
    ticking_ = false;
    left_ -= untilNext;
    showSecondsLeft();
  });
  ticking_ = true;
}

void Countdown::cancelTick() {
  if (ticking_) clock_.cancel(pending_);
  ticking_ = false;
}

std::string arabicIndicDigits(std::int64_t number) {
  static constexpr const char* kDigits[] = {"٠", "١", "٢", "٣", "٤", "٥", "٦", "٧", "٨", "٩"};
  const std::string plain = std::to_string(number);
  std::string written;
  for (const char c : plain) written += c == '-' ? std::string("-") : kDigits[c - '0'];
  return written;
}

}  // namespace hifz
