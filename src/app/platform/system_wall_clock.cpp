#include "platform/system_wall_clock.h"

#include <QDateTime>
#include <cstdio>
#include <cstdlib>

namespace hifz {

std::optional<std::int64_t> clockOffsetSeconds(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Ten digits reach past three centuries, and keep every sum in range.
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::int64_t seconds = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    seconds = seconds * 10 + (c - '0');
  }
  return negative ? -seconds : seconds;
}

SystemWallClock::SystemWallClock() {
  const char* text = std::getenv(kClockOffsetVariable);
  if (text == nullptr) return;
  if (const std::optional<std::int64_t> seconds = clockOffsetSeconds(text))
    offsetMs_ = *seconds * 1000;
  else
    std::fprintf(stderr, "hifz: %s is not a number of seconds; the clock is not moved\n",
                 kClockOffsetVariable);
}

std::int64_t SystemWallClock::now() const {
  return QDateTime::currentMSecsSinceEpoch() + offsetMs_;
}

std::int64_t SystemWallClock::calendarNow() const {
  const std::int64_t unix = now();
  // The zone's offset at the moved time, so that a day still begins at midnight there.
  return unix + std::int64_t{QDateTime::fromMSecsSinceEpoch(unix).offsetFromUtc()} * 1000;
}

}  // namespace hifz
