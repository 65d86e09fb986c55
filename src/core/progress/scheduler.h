#pragma once

#include <cstdint>
#include <optional>

#include "progress/fsrs_memory.h"

namespace hifz {

/// Where a card is in its learning: new, in its first short steps, in review
/// by days, or back in short steps after a lapse.
enum class CardState { New, Learning, Review, Relearning };

/// A passage's schedule. Times are milliseconds on the learner's calendar:
/// the Unix time plus the offset of the learner's time zone at that moment,
/// so that a day begins at the learner's midnight.
struct Card {
  CardState state = CardState::New;
  std::int64_t due = 0;
  std::optional<std::int64_t> lastReview;
  Memory memory;
  /// The days from this review to the due date; 0 while in short steps.
  int scheduledDays = 0;
  /// Calendar days between the last two reviews.
  int elapsedDays = 0;
  int reps = 0;
  int lapses = 0;
  /// The short step the card is at (learning: 1 min, 10 min; relearning: 10 min).
  int learningStep = 0;

  friend bool operator==(const Card&, const Card&) = default;
};

/// A card never graded, due at `now`.
Card newCard(std::int64_t now);

/// The card after `grade` at `now`: FSRS-6 with its default parameters,
/// without fuzz, with short-term steps, as ts-fsrs schedules it. A `now`
/// before the last review (a clock moved back) counts as the same day, and
/// the due time is never before `now`.
Card review(const Card& card, std::int64_t now, Grade grade);

/// The probability of recalling the card at `now` (0 for a new card), from
/// the whole days since its last review.
double retrievability(const Card& card, std::int64_t now);

}  // namespace hifz
