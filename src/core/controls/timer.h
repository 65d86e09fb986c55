#pragma once

#include <cstdint>
#include <functional>

#include "controls/control.h"
#include "platform/clock.h"

namespace hifz {

/// Ticks every Interval milliseconds through the clock. Interval 0 stops it;
/// setting any interval starts a new countdown.
class Timer final : public Control {
 public:
  Timer(std::string name, Clock& clock);
  ~Timer() override;
  std::int64_t interval() const { return interval_; }
  void setInterval(std::int64_t milliseconds);
  bool running() const { return interval_ > 0; }

  std::function<void()> onTick;

 private:
  void arm();
  void fire();

  Clock& clock_;
  std::int64_t interval_ = 0;
  Clock::Ticket pending_ = 0;
  bool armed_ = false;
};

}  // namespace hifz
