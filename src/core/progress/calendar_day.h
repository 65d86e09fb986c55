#pragma once

#include <cstdint>

namespace hifz {

inline constexpr std::int64_t kDayMs = 24 * 60 * 60 * 1000;

/// The day a calendar time falls on, counted from 1970-01-01 (negative
/// before it): a day begins at the learner's midnight. Any time has one, so
/// a date from a damaged or moved clock never overflows what is built on it.
constexpr std::int64_t calendarDay(std::int64_t calendarMs) {
  return calendarMs / kDayMs - (calendarMs % kDayMs < 0 ? 1 : 0);
}

}  // namespace hifz
