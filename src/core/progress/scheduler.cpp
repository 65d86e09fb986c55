#include "progress/scheduler.h"

#include <algorithm>
#include <vector>

namespace hifz {
namespace {

constexpr std::int64_t kMinute = 60 * 1000;
constexpr std::int64_t kDay = 24 * 60 * kMinute;

// Short steps in minutes, ts-fsrs's defaults.
const std::vector<int> kLearningSteps = {1, 10};
const std::vector<int> kRelearningSteps = {10};

// Days between the calendar dates of two times, as ts-fsrs counts them.
int calendarDays(std::int64_t from, std::int64_t to) {
  const auto dayOf = [](std::int64_t t) { return t / kDay - (t % kDay < 0 ? 1 : 0); };
  return static_cast<int>(dayOf(to) - dayOf(from));
}

struct Step {
  int minutes = 0;
  int next = 0;
};

// The short step a grade leads to from `card`, if any; none means the card
// goes to review by days.
std::optional<Step> shortStep(const Card& card, Grade grade) {
  const bool relearning = card.state == CardState::Review || card.state == CardState::Relearning;
  const std::vector<int>& steps = relearning ? kRelearningSteps : kLearningSteps;
  const int at = card.learningStep;
  if (at >= static_cast<int>(steps.size())) return std::nullopt;
  if (card.state == CardState::Review)
    return grade == Grade::Again ? std::optional<Step>{{steps[at], 0}} : std::nullopt;
  switch (grade) {
    case Grade::Again:
      return Step{steps.front(), 0};
    case Grade::Hard: {
      // Halfway to the next step; half as long again when there is one step.
      const double minutes = steps.size() == 1 ? steps.front() * 1.5 : (steps[0] + steps[1]) / 2.0;
      return Step{static_cast<int>(minutes + 0.5), at};
    }
    case Grade::Good:
      if (at + 1 < static_cast<int>(steps.size())) return Step{steps[at + 1], at + 1};
      return std::nullopt;
    case Grade::Easy:
      return std::nullopt;
  }
  return std::nullopt;
}

void scheduleDays(Card& card, std::int64_t now, int days) {
  card.scheduledDays = days;
  card.due = now + days * kDay;
}

// A card in short steps, or one leaving them, after `grade`.
void applyShortSteps(Card& next, const Card& before, std::int64_t now, Grade grade,
                     CardState stepState) {
  if (const std::optional<Step> step = shortStep(before, grade)) {
    next.state = stepState;
    next.learningStep = step->next;
    next.scheduledDays = 0;
    next.due = now + step->minutes * kMinute;
    return;
  }
  next.state = CardState::Review;
  next.learningStep = 0;
  scheduleDays(next, now, fsrs::interval(next.memory.stability));
}

// A review card graded hard, good or easy: the three intervals are kept in
// that order, each at least a day longer than the one before.
int reviewInterval(const Card& before, int elapsed, Grade grade) {
  const auto days = [&](Grade g) {
    return fsrs::interval(fsrs::next(before.memory, elapsed, g).stability);
  };
  const int good = days(Grade::Good);
  const int hard = std::min(days(Grade::Hard), good);
  if (grade == Grade::Hard) return hard;
  const int goodKept = std::max(good, hard + 1);
  if (grade == Grade::Good) return goodKept;
  return std::max(days(Grade::Easy), goodKept + 1);
}

}  // namespace

Card newCard(std::int64_t now) {
  Card card;
  card.due = now;
  return card;
}

Card review(const Card& card, std::int64_t now, Grade grade) {
  const int elapsed = card.state != CardState::New && card.lastReview
                          ? std::max(0, calendarDays(*card.lastReview, now))
                          : 0;
  Card next = card;
  next.lastReview = now;
  next.elapsedDays = elapsed;
  next.reps += 1;
  next.memory =
      card.state == CardState::New ? fsrs::first(grade) : fsrs::next(card.memory, elapsed, grade);
  switch (card.state) {
    case CardState::New:
      applyShortSteps(next, card, now, grade, CardState::Learning);
      break;
    case CardState::Learning:
    case CardState::Relearning:
      applyShortSteps(next, card, now, grade, card.state);
      break;
    case CardState::Review:
      if (grade == Grade::Again) {
        applyShortSteps(next, card, now, grade, CardState::Relearning);
        next.lapses += 1;
      } else {
        next.state = CardState::Review;
        next.learningStep = 0;
        scheduleDays(next, now, reviewInterval(card, elapsed, grade));
      }
      break;
  }
  return next;
}

double retrievability(const Card& card, std::int64_t now) {
  if (card.state == CardState::New || !card.lastReview) return 0;
  const std::int64_t days = std::max<std::int64_t>(0, (now - *card.lastReview) / kDay);
  return fsrs::retrievability(static_cast<double>(days), card.memory.stability);
}

}  // namespace hifz
