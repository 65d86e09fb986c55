#pragma once

#include <compare>

namespace hifz {

/// What the learner practises and grades: verses `firstVerse` to `lastVerse`
/// of chapter `chapter`, by its number in the Quran (1 to 114), so that any
/// catalog or reciter keeps the same history. A single verse is a passage of
/// one.
struct Passage {
  int chapter = 0;
  int firstVerse = 0;
  int lastVerse = 0;

  friend bool operator==(const Passage&, const Passage&) = default;
  friend auto operator<=>(const Passage&, const Passage&) = default;
};

/// A chapter of the Quran and verses of it in order.
bool isValid(const Passage& passage);

}  // namespace hifz
