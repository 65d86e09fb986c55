#include "virtual_clock.h"

#include <algorithm>

namespace hifz::testing {

Clock::Ticket VirtualClock::callAfter(std::int64_t delayMs, std::function<void()> callback) {
  const Ticket ticket = ++nextTicket_;
  queue_.emplace(std::make_pair(now_ + std::max<std::int64_t>(delayMs, 0), ticket),
                 std::move(callback));
  return ticket;
}

void VirtualClock::cancel(Ticket ticket) {
  std::erase_if(queue_, [ticket](const auto& entry) { return entry.first.second == ticket; });
}

void VirtualClock::advance(std::int64_t ms) {
  const std::int64_t target = now_ + ms;
  while (!queue_.empty() && queue_.begin()->first.first <= target) runNext();
  now_ = target;
}

bool VirtualClock::runNext() {
  if (queue_.empty()) return false;
  auto first = queue_.begin();
  now_ = first->first.first;
  auto callback = std::move(first->second);
  queue_.erase(first);
  callback();
  return true;
}

}  // namespace hifz::testing
