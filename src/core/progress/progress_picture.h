#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/progress_store.h"
#include "progress/kept_card.h"

namespace hifz {

/// How many days the picture of practice covers, today last.
inline constexpr int kPracticeDays = 30;

/// How much of a chapter is learned.
struct ChapterShare {
  int chapter = 0;
  int versesLearned = 0;
  int verses = 0;

  friend bool operator==(const ChapterShare&, const ChapterShare&) = default;
};

/// Each chapter with a graded passage, in the Quran's order: its verses
/// learned, those whose latest grade (of any passage holding them) was good
/// or easy.
std::vector<ChapterShare> learnedShares(std::span<const KeptCard> cards);

/// Minutes practised on each of the last kPracticeDays days, the oldest first
/// and today last, at calendar time `now`; a reading's day is that of its
/// start moved by `zoneOffsetMs` onto the learner's calendar. Readings after
/// `now` (a clock moved back) are left out; a reading counts a day at most.
std::vector<double> minutesPerDay(std::span<const Reading> readings, std::int64_t now,
                                  std::int64_t zoneOffsetMs);

}  // namespace hifz
