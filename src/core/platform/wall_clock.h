#pragma once

#include <cstdint>

namespace hifz {

/// The time of day, for what is kept of the learner's practice; timers run on
/// Clock.
class WallClock {
 public:
  virtual ~WallClock() = default;
  /// Unix time in milliseconds.
  virtual std::int64_t now() const = 0;
  /// The learner's calendar time: now() plus the local time zone's offset, so
  /// that a day begins at the learner's midnight.
  virtual std::int64_t calendarNow() const = 0;
};

/// Stands still at the Unix epoch.
class NullWallClock final : public WallClock {
 public:
  std::int64_t now() const override { return 0; }
  std::int64_t calendarNow() const override { return 0; }
};

/// The one NullWallClock that platforms without a time of day share.
inline WallClock& noWallClock() {
  static NullWallClock none;
  return none;
}

}  // namespace hifz
