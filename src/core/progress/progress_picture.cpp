#include "progress/progress_picture.h"

#include <algorithm>
#include <map>

#include "progress/calendar_day.h"
#include "progress/chapter_lengths.h"

namespace hifz {

std::vector<ChapterShare> learnedShares(std::span<const KeptCard> cards) {
  // Each verse's latest review: when, and whether it left the verse learned.
  struct Latest {
    std::int64_t at = 0;
    bool learned = false;
  };
  std::map<int, std::vector<std::optional<Latest>>> chapters;
  for (const KeptCard& kept : cards) {
    if (!isValid(kept.passage)) continue;
    auto& verses = chapters[kept.passage.chapter];
    verses.resize(static_cast<std::size_t>(versesInChapter(kept.passage.chapter)));
    const Latest review{kept.card.lastReview.value_or(kept.card.due),
                        kept.lastGrade == Grade::Good || kept.lastGrade == Grade::Easy};
    for (int verse = kept.passage.firstVerse; verse <= kept.passage.lastVerse; ++verse) {
      std::optional<Latest>& latest = verses[static_cast<std::size_t>(verse - 1)];
      if (!latest || review.at >= latest->at) latest = review;
    }
  }
  std::vector<ChapterShare> shares;
  for (const auto& [chapter, verses] : chapters) {
    const auto learned = std::count_if(
        verses.begin(), verses.end(), [](const auto& latest) { return latest && latest->learned; });
    shares.push_back({chapter, static_cast<int>(learned), static_cast<int>(verses.size())});
  }
  return shares;
}

std::vector<double> minutesPerDay(std::span<const Reading> readings, std::int64_t now,
                                  std::int64_t zoneOffsetMs) {
  std::vector<double> minutes(kPracticeDays, 0.0);
  const std::int64_t today = calendarDay(now);
  for (const Reading& reading : readings) {
    // Both within a century of the epoch: the sum cannot overflow.
    constexpr std::int64_t kCentury = 100 * 366 * kDayMs;
    if (reading.startedAt < -kCentury || reading.startedAt > kCentury) continue;
    const std::int64_t start = reading.startedAt + std::clamp(zoneOffsetMs, -kDayMs, kDayMs);
    if (start > now) continue;
    const std::int64_t daysAgo = today - calendarDay(start);
    if (daysAgo >= kPracticeDays) continue;
    const std::int64_t length = std::clamp<std::int64_t>(reading.lengthMs, 0, kDayMs);
    minutes[static_cast<std::size_t>(kPracticeDays - 1 - daysAgo)] +=
        static_cast<double>(length) / 60000.0;
  }
  return minutes;
}

}  // namespace hifz
