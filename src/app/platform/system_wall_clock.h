#pragma once

#include <QDateTime>

#include "platform/wall_clock.h"

namespace hifz {

/// The system's time of day.
class SystemWallClock final : public WallClock {
 public:
  std::int64_t now() const override { return QDateTime::currentMSecsSinceEpoch(); }
  std::int64_t calendarNow() const override {
    const QDateTime local = QDateTime::currentDateTime();
    return local.toMSecsSinceEpoch() + std::int64_t{local.offsetFromUtc()} * 1000;
  }
};

}  // namespace hifz
