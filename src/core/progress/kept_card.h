#pragma once

#include <cstdint>
#include <optional>

#include "progress/fsrs_memory.h"
#include "progress/passage.h"
#include "progress/scheduler.h"

namespace hifz {

/// A graded passage as the practice log keeps it.
struct KeptCard {
  Passage passage;
  Card card;
  /// When the passage was first graded good or easy, on the learner's
  /// calendar; none while it never was.
  std::optional<std::int64_t> firstLearned;
  /// The grade of its last review.
  Grade lastGrade = Grade::Good;

  friend bool operator==(const KeptCard&, const KeptCard&) = default;
};

}  // namespace hifz
