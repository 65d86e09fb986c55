#pragma once

namespace hifz {

/// A grade given after practising a passage.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

/// How well a passage is held: `stability` is the days until recall falls to
/// 90 %, `difficulty` runs from 1 (easy) to 10.
struct Memory {
  double stability = 0;
  double difficulty = 0;

  friend bool operator==(const Memory&, const Memory&) = default;
};

/// The memory model of FSRS-6 with its published default parameters, figure
/// for figure as ts-fsrs computes it: each result is rounded to 8 decimals
/// where ts-fsrs rounds it, so that a schedule matches its reference.
namespace fsrs {

/// The probability of recall `elapsedDays` after the last review.
double retrievability(double elapsedDays, double stability);

/// The memory after a first grade.
Memory first(Grade grade);

/// The memory after `grade`, `elapsedDays` (whole days) after the last review;
/// a review on the same day counts as short-term.
Memory next(const Memory& memory, int elapsedDays, Grade grade);

/// Whole days until recall falls to 90 %, at least 1, at most 100 years.
int interval(double stability);

}  // namespace fsrs
}  // namespace hifz
