#include "platform/qt_clock.h"

#include <algorithm>
#include <limits>

namespace hifz {

Clock::Ticket QtClock::callAfter(std::int64_t delayMs, std::function<void()> callback) {
  const Ticket ticket = ++last_;
  auto timer = std::make_unique<QTimer>();
  timer->setSingleShot(true);
  timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer.get(), &QTimer::timeout, [this, ticket, callback = std::move(callback)] {
    // The timer goes before the callback runs: the callback may arm new ones.
    if (auto found = pending_.find(ticket); found != pending_.end()) {
      found->second.release()->deleteLater();
      pending_.erase(found);
    }
    callback();
  });
  const auto delay = std::clamp<std::int64_t>(delayMs, 0, std::numeric_limits<int>::max());
  timer->start(static_cast<int>(delay));
  pending_.emplace(ticket, std::move(timer));
  return ticket;
}

void QtClock::cancel(Ticket ticket) { pending_.erase(ticket); }

}  // namespace hifz
