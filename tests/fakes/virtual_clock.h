#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "platform/clock.h"

namespace hifz::testing {

/// A clock that moves only when told: advance() runs every callback that falls
/// due, in order of time and then of scheduling, at its exact time.
class VirtualClock final : public Clock {
 public:
  Ticket callAfter(std::int64_t delayMs, std::function<void()> callback) override;
  void cancel(Ticket ticket) override;
  /// Moves time forward by `ms`, running what falls due on the way.
  void advance(std::int64_t ms);
  /// Moves time to the next pending callback and runs it; false when none is pending.
  bool runNext();
  std::int64_t now() const { return now_; }
  std::size_t pending() const { return queue_.size(); }

 private:
  std::int64_t now_ = 0;
  Ticket nextTicket_ = 0;
  // Keyed by (due time, ticket): tickets grow, so equal times keep their order.
  std::map<std::pair<std::int64_t, Ticket>, std::function<void()>> queue_;
};

}  // namespace hifz::testing
