#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "progress/kept_card.h"

namespace hifz {

/// How many days after its first grade a passage counts as recent.
inline constexpr int kRecentDays = 30;

/// A passage due for review, with the whole days it is overdue (0: due today).
struct DuePassage {
  Passage passage;
  std::int64_t daysOverdue = 0;

  friend bool operator==(const DuePassage&, const DuePassage&) = default;
};

/// What the learner has to do today.
struct TodayPlan {
  /// The verses after the furthest passage graded good or easy in the
  /// chapter graded so last, as many as the learner's usual passage; none at
  /// the chapter's end or before any such grade.
  std::optional<Passage> newPortion;
  /// Due passages first learned (graded good or easy) in the last kRecentDays
  /// days, or not learned yet, most overdue first.
  std::vector<DuePassage> recent;
  /// The other due passages, most overdue first.
  std::vector<DuePassage> older;

  /// The passages due for review, recent and older.
  std::size_t dueCount() const { return recent.size() + older.size(); }
};

/// Today's plan at calendar time `now`. A passage in review by days is due
/// from the midnight that begins its due day; one in short steps (minutes
/// after a first grade or a lapse) from its due time. Dates after `now` (a
/// clock moved back) count as not yet due and as recent, never as overdue.
TodayPlan planToday(std::span<const KeptCard> cards, std::int64_t now);

}  // namespace hifz
