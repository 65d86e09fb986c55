#include "progress/today.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "progress/calendar_day.h"

namespace hifz {
namespace {

// 2024-03-10 15:00 on the learner's calendar.
constexpr std::int64_t kNow = 19'792 * kDayMs + 15 * 3'600'000;
constexpr std::int64_t kToday = 19'792 * kDayMs;

KeptCard kept(Passage passage, std::int64_t due, std::optional<std::int64_t> firstLearned,
              Grade lastGrade = Grade::Good, std::int64_t lastReview = kToday - kDayMs,
              CardState state = CardState::Review) {
  Card card;
  card.state = state;
  card.due = due;
  card.lastReview = lastReview;
  return {passage, card, firstLearned, lastGrade};
}

TEST(Today, SplitsDuePassagesIntoRecentAndOlderMostOverdueFirst) {
  const std::vector<KeptCard> cards = {
      kept({114, 1, 3}, kToday - 2 * kDayMs, kToday - 5 * kDayMs),
      kept({112, 1, 4}, kToday + 23 * 3'600'000, kToday - 100 * kDayMs),  // tonight
      kept({113, 1, 5}, kToday + kDayMs, kToday - 3 * kDayMs),            // tomorrow
      kept({114, 4, 6}, kToday - 9 * kDayMs, kToday - 29 * kDayMs),
      kept({78, 1, 5}, kToday - 40 * kDayMs, kToday - 30 * kDayMs),
      kept({1, 1, 7}, kToday - 3 * kDayMs, kToday - 400 * kDayMs),
      // Never graded good or easy: still being learned.
      kept({109, 1, 3}, kToday - 5 * kDayMs, std::nullopt, Grade::Hard),
      // In short steps: due at its minute, not at its day.
      kept({111, 1, 5}, kNow + 600'000, kToday, Grade::Good, kNow, CardState::Learning),
      kept({110, 1, 3}, kNow - 60'000, kToday, Grade::Again, kNow, CardState::Relearning),
  };
  const TodayPlan plan = planToday(cards, kNow);
  EXPECT_EQ((std::vector<DuePassage>{
                {{114, 4, 6}, 9}, {{109, 1, 3}, 5}, {{114, 1, 3}, 2}, {{110, 1, 3}, 0}}),
            plan.recent);
  EXPECT_EQ((std::vector<DuePassage>{{{78, 1, 5}, 40}, {{1, 1, 7}, 3}, {{112, 1, 4}, 0}}),
            plan.older);
  EXPECT_EQ(7u, plan.dueCount());
}

TEST(Today, OffersTheVersesAfterTheFurthestLearnedInTheChapterGradedLast) {
  struct Case {
    const char* name;
    std::vector<KeptCard> cards;
    std::optional<Passage> newPortion;
  };
  const std::int64_t later = kToday - 3'600'000;
  const Case cases[] = {
      {"nothing graded", {}, std::nullopt},
      {"only failed", {kept({78, 1, 5}, kNow, kToday, Grade::Again)}, std::nullopt},
      {"after the furthest, as long as usual",
       {kept({78, 1, 5}, kNow, kToday), kept({78, 6, 10}, kNow, kToday),
        kept({78, 1, 3}, kNow, kToday, Grade::Good, later)},
       Passage{78, 11, 15}},
      {"the chapter graded last",
       {kept({78, 1, 5}, kNow, kToday, Grade::Easy, later), kept({67, 1, 8}, kNow, kToday)},
       Passage{78, 6, 13}},
      {"a failed passage is not learned",
       {kept({78, 1, 5}, kNow, kToday), kept({78, 6, 10}, kNow, kToday, Grade::Again, later)},
       Passage{78, 6, 10}},
      {"cut at the chapter's end", {kept({114, 1, 4}, kNow, kToday)}, Passage{114, 5, 6}},
      {"none past the end", {kept({114, 3, 6}, kNow, kToday)}, std::nullopt},
      {"passages no chapter holds are left out",
       {kept({114, 1, 2}, kNow, kToday), kept({114, 5, 400}, kNow, kToday, Grade::Good, later),
        kept({0, 1, 1}, kNow, kToday, Grade::Good, later)},
       Passage{114, 3, 4}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.newPortion, planToday(c.cards, kNow).newPortion) << c.name;
}

TEST(Today, DatesFromAMovedOrDamagedClockNeverCountAsOverdueNorBreakThePlan) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  const std::vector<KeptCard> cards = {
      // Graded "tomorrow" by a clock that has since gone back a day.
      kept({114, 1, 3}, kToday + 4 * kDayMs, kToday + kDayMs),
      kept({113, 1, 5}, kMax, kMax, Grade::Good, kMax),
      kept({112, 1, 4}, kMin, kMin, Grade::Hard, kMin),
  };
  const TodayPlan plan = planToday(cards, kNow);
  EXPECT_TRUE(plan.recent.empty());
  ASSERT_EQ(1u, plan.older.size());
  EXPECT_EQ((Passage{112, 1, 4}), plan.older.front().passage);
  EXPECT_GT(plan.older.front().daysOverdue, 0);
  EXPECT_EQ(std::nullopt, planToday(cards, kNow).newPortion);
}

}  // namespace
}  // namespace hifz
