#include "platform/system_wall_clock.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QDateTime>
#include <optional>
#include <string_view>

namespace hifz {
namespace {

TEST(ClockOffset, ReadsWholeSecondsEitherWayAndNothingElse) {
  const struct {
    std::string_view text;
    std::optional<std::int64_t> seconds;
  } cases[] = {
      {"0", 0},
      {"86400", 86400},
      {"+60", 60},
      {"-172800", -172800},
      {"9999999999", 9'999'999'999},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"1.5", std::nullopt},
      {"3d", std::nullopt},
      {" 5", std::nullopt},
      {"99999999999", std::nullopt},
      {"--5", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(c.seconds, clockOffsetSeconds(c.text)) << c.text;
}

class MovedClock : public ::testing::Test {
 protected:
  void TearDown() override { unsetenv(kClockOffsetVariable); }
};

TEST_F(MovedClock, MovesTheTimeOfDayAndTheCalendarAlike) {
  constexpr std::int64_t kThreeDays = 3 * 86'400'000;
  setenv(kClockOffsetVariable, "259200", 1);
  const SystemWallClock moved;
  const std::int64_t expected = QDateTime::currentMSecsSinceEpoch() + kThreeDays;
  EXPECT_NEAR(static_cast<double>(expected), static_cast<double>(moved.now()), 1000.0);
  const std::int64_t zone =
      std::int64_t{QDateTime::fromMSecsSinceEpoch(moved.now()).offsetFromUtc()} * 1000;
  EXPECT_NEAR(static_cast<double>(moved.now() + zone), static_cast<double>(moved.calendarNow()),
              1000.0);
}

TEST_F(MovedClock, IgnoresAnOffsetThatIsNoNumber) {
  setenv(kClockOffsetVariable, "three days", 1);
  testing::internal::CaptureStderr();
  const SystemWallClock clock;
  EXPECT_NE(std::string::npos,
            testing::internal::GetCapturedStderr().find("HIFZ_TEST_CLOCK_OFFSET"));
  EXPECT_NEAR(static_cast<double>(QDateTime::currentMSecsSinceEpoch()),
              static_cast<double>(clock.now()), 1000.0);
}

}  // namespace
}  // namespace hifz
