#pragma once

#include <cstdint>

#include "progress/fsrs_memory.h"
#include "progress/passage.h"
#include "progress/scheduler.h"

namespace hifz {

/// A graded passage as the practice log keeps it.
struct KeptCard {
  Passage passage;
  Card card;
  /// When the passage was first graded, on the learner's calendar.
  std::int64_t firstGraded = 0;
  /// The grade of its last review.
  Grade lastGrade = Grade::Good;

  friend bool operator==(const KeptCard&, const KeptCard&) = default;
};

}  // namespace hifz
