#include "progress/progress_picture.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "progress/calendar_day.h"

namespace hifz {
namespace {

constexpr std::int64_t kToday = 19'792 * kDayMs;
constexpr std::int64_t kNow = kToday + 15 * 3'600'000;
constexpr std::int64_t kHour = 3'600'000;

KeptCard graded(Passage passage, Grade grade, std::int64_t at) {
  Card card;
  card.lastReview = at;
  return {passage, card, at, grade};
}

TEST(ProgressPicture, CountsAVerseLearnedWhenItsLatestGradeWasGoodOrEasy) {
  const std::vector<KeptCard> cards = {
      graded({114, 1, 4}, Grade::Good, kToday - 3 * kDayMs),
      graded({114, 3, 3}, Grade::Again, kToday - kDayMs),  // failed since
      graded({114, 5, 6}, Grade::Hard, kToday),
      graded({78, 1, 10}, Grade::Easy, kToday),
      graded({78, 5, 12}, Grade::Good, kToday - kDayMs),
      graded({1, 1, 9}, Grade::Good, kToday),  // no such passage
  };
  EXPECT_EQ((std::vector<ChapterShare>{{78, 12, 40}, {114, 3, 6}}), learnedShares(cards));
}

TEST(ProgressPicture, AddsEachDaysMinutesOnTheLearnersCalendar) {
  constexpr std::int64_t kZone = 3 * kHour;
  const auto at = [](std::int64_t calendar, std::int64_t minutes) {
    return Reading{{114, 1, 1}, ReadingWay::OneVerse, 1, 0, calendar - kZone, minutes * 60'000};
  };
  const std::vector<Reading> readings = {
      at(kToday + kHour, 5),
      at(kToday + 2 * kHour, 7),
      at(kToday - kHour, 10),  // 23:00 yesterday, on the learner's clock
      at(kToday - 29 * kDayMs, 3),
      at(kToday - 30 * kDayMs, 99),  // too long ago
      at(kNow + kHour, 50),          // after now: a clock moved back
      at(kToday - 2 * kDayMs, -4),   // a clock moved back during the reading
      {{114, 1, 1}, ReadingWay::OneVerse, 1, 0, std::numeric_limits<std::int64_t>::max(), 1},
      {{114, 1, 1}, ReadingWay::OneVerse, 1, 0, std::numeric_limits<std::int64_t>::min(), 1},
  };
  const std::vector<double> minutes = minutesPerDay(readings, kNow, kZone);
  ASSERT_EQ(static_cast<std::size_t>(kPracticeDays), minutes.size());
  std::vector<double> expected(kPracticeDays, 0.0);
  expected[29] = 12;
  expected[28] = 10;
  expected[0] = 3;
  EXPECT_EQ(expected, minutes);
}

}  // namespace
}  // namespace hifz
