#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/wall_clock.h"

namespace hifz {

/// The variable, for tests only, that moves the time of day by whole seconds
/// (negative: back), so that a journey can start the program days later.
inline constexpr const char* kClockOffsetVariable = "HIFZ_TEST_CLOCK_OFFSET";

/// The seconds `text` gives as a clock offset: an optional sign and up to
/// ten digits; none for anything else.
std::optional<std::int64_t> clockOffsetSeconds(std::string_view text);

/// The system's time of day, moved by HIFZ_TEST_CLOCK_OFFSET when it is set.
class SystemWallClock final : public WallClock {
 public:
  /// Reads HIFZ_TEST_CLOCK_OFFSET; a value that is not a number of seconds
  /// is named on standard error and not used.
  SystemWallClock();
  std::int64_t now() const override;
  std::int64_t calendarNow() const override;

 private:
  std::int64_t offsetMs_ = 0;
};

}  // namespace hifz
