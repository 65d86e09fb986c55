#include "controls/timer.h"

namespace hifz {

Timer::Timer(std::string name, Clock& clock)
    : Control(std::move(name), ControlKind::Timer), clock_(clock) {}

Timer::~Timer() {
  if (armed_) clock_.cancel(pending_);
}

void Timer::setInterval(std::int64_t milliseconds) {
  if (armed_) clock_.cancel(pending_);
  armed_ = false;
  interval_ = milliseconds < 0 ? 0 : milliseconds;
  notify(Property::Interval);
  if (interval_ > 0) arm();
}

void Timer::arm() {
  pending_ = clock_.callAfter(interval_, [this] { fire(); });
  armed_ = true;
}

void Timer::fire() {
  armed_ = false;
  // The next countdown starts before the tick runs; a tick that sets the
  // interval replaces it.
  arm();
  if (onTick) onTick();
}

}  // namespace hifz
