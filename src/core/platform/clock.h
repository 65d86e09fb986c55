#pragma once

#include <cstdint>
#include <functional>

namespace hifz {

/// Source of timed callbacks. The core never reads the time itself.
class Clock {
 public:
  using Ticket = std::uint64_t;
  virtual ~Clock() = default;
  /// Calls `callback` once, `delayMs` milliseconds from now; returns a ticket for cancel().
  virtual Ticket callAfter(std::int64_t delayMs, std::function<void()> callback) = 0;
  /// Drops a pending callback; an unknown or already run ticket is ignored.
  virtual void cancel(Ticket ticket) = 0;
};

/// A clock that never calls back: timers stay armed and never tick.
class NullClock final : public Clock {
 public:
  Ticket callAfter(std::int64_t, std::function<void()>) override { return ++last_; }
  void cancel(Ticket) override {}

 private:
  Ticket last_ = 0;
};

}  // namespace hifz
