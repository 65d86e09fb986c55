#pragma once

#include <QTimer>
#include <map>
#include <memory>

#include "platform/clock.h"

namespace hifz {

/// Timed callbacks from Qt's event loop, on the user-interface thread.
class QtClock final : public Clock {
 public:
  Ticket callAfter(std::int64_t delayMs, std::function<void()> callback) override;
  void cancel(Ticket ticket) override;

 private:
  Ticket last_ = 0;
  std::map<Ticket, std::unique_ptr<QTimer>> pending_;
};

}  // namespace hifz
