#include "progress/today.h"

#include <algorithm>

#include "progress/calendar_day.h"
#include "progress/chapter_lengths.h"

namespace hifz {
namespace {

bool learned(Grade grade) { return grade == Grade::Good || grade == Grade::Easy; }

int length(const Passage& passage) { return passage.lastVerse - passage.firstVerse + 1; }

// The length of passage the learner usually grades: the median of every
// graded passage's, the longer of the middle two.
int usualLength(std::span<const KeptCard* const> cards) {
  std::vector<int> lengths;
  for (const KeptCard* kept : cards) lengths.push_back(length(kept->passage));
  std::sort(lengths.begin(), lengths.end());
  return lengths[lengths.size() / 2];
}

std::optional<Passage> newPortion(std::span<const KeptCard> cards) {
  std::vector<const KeptCard*> valid;
  for (const KeptCard& kept : cards)
    if (isValid(kept.passage)) valid.push_back(&kept);
  const KeptCard* last = nullptr;
  for (const KeptCard* kept : valid)
    if (learned(kept->lastGrade) &&
        (last == nullptr || kept->card.lastReview.value_or(0) > last->card.lastReview.value_or(0)))
      last = kept;
  if (last == nullptr) return std::nullopt;
  const int chapter = last->passage.chapter;
  int furthest = 0;
  for (const KeptCard* kept : valid)
    if (kept->passage.chapter == chapter && learned(kept->lastGrade))
      furthest = std::max(furthest, kept->passage.lastVerse);
  const int end = versesInChapter(chapter);
  if (furthest >= end) return std::nullopt;
  return Passage{chapter, furthest + 1, std::min(end, furthest + usualLength(valid))};
}

// A card in short steps comes back at its minute; one in review by days on
// its day.
bool isDue(const Card& card, std::int64_t now) {
  if (card.state == CardState::Learning || card.state == CardState::Relearning)
    return card.due <= now;
  return calendarDay(card.due) <= calendarDay(now);
}

}  // namespace

TodayPlan planToday(std::span<const KeptCard> cards, std::int64_t now) {
  TodayPlan plan;
  plan.newPortion = newPortion(cards);
  const std::int64_t today = calendarDay(now);
  std::vector<const KeptCard*> due;
  for (const KeptCard& kept : cards)
    if (isValid(kept.passage) && isDue(kept.card, now)) due.push_back(&kept);
  std::stable_sort(due.begin(), due.end(),
                   [](const KeptCard* a, const KeptCard* b) { return a->card.due < b->card.due; });
  for (const KeptCard* kept : due) {
    const DuePassage entry{kept->passage, today - calendarDay(kept->card.due)};
    // A passage not yet learned is still being learned: recent.
    const bool recent =
        !kept->firstLearned || calendarDay(*kept->firstLearned) > today - kRecentDays;
    (recent ? plan.recent : plan.older).push_back(entry);
  }
  return plan;
}

}  // namespace hifz
