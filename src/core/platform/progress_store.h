#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "progress/kept_card.h"
#include "progress/passage.h"
#include "progress/scheduler.h"

namespace hifz {

/// How a reading went through its passage.
enum class ReadingWay { OneVerse, RangeOnce, WithoutEnd, StepByStep, WholeChapter };

/// One reading that played, as the practice log keeps it.
struct Reading {
  Passage passage;
  ReadingWay way = ReadingWay::OneVerse;
  /// Plays that ran to their end.
  int playsHeard = 0;
  /// The learner's turns (pauses for repeating aloud) that began.
  int turnsGiven = 0;
  /// Unix time in milliseconds.
  std::int64_t startedAt = 0;
  std::int64_t lengthMs = 0;

  friend bool operator==(const Reading&, const Reading&) = default;
};

/// The learner's practice log and graded passages, kept between runs.
class ProgressStore {
 public:
  virtual ~ProgressStore() = default;
  /// Keeps `reading` whole or not at all, without holding up the caller; a
  /// store that cannot keep it says so once and goes on without it.
  virtual void log(const Reading& reading) = 0;
  /// The card kept for `passage`; none when it was never graded or cannot be read.
  virtual std::optional<Card> card(const Passage& passage) const = 0;
  /// Keeps `card` as `passage`'s, with the review that gave it (`grade` at the
  /// card's last review), both or neither.
  virtual void saveCard(const Passage& passage, const Card& card, Grade grade) = 0;
  /// Every graded passage's card, with its first and last grade; none when
  /// they cannot be read.
  virtual std::vector<KeptCard> keptCards() const = 0;
  /// The readings that began at `since` (Unix time, ms) or later, oldest first.
  virtual std::vector<Reading> readingsSince(std::int64_t since) const = 0;
  /// The last reading of `passage` whose way it can be read again by (a verse,
  /// a range once or step by step); none when there is none.
  virtual std::optional<Reading> lastReading(const Passage& passage) const = 0;
};

/// Keeps nothing.
class NullProgressStore final : public ProgressStore {
 public:
  void log(const Reading&) override {}
  std::optional<Card> card(const Passage&) const override { return std::nullopt; }
  void saveCard(const Passage&, const Card&, Grade) override {}
  std::vector<KeptCard> keptCards() const override { return {}; }
  std::vector<Reading> readingsSince(std::int64_t) const override { return {}; }
  std::optional<Reading> lastReading(const Passage&) const override { return std::nullopt; }
};

/// The one NullProgressStore that platforms without a practice log share.
inline ProgressStore& noProgressStore() {
  static NullProgressStore none;
  return none;
}

}  // namespace hifz
