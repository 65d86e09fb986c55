#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/progress_files.h"
#include "platform/progress_store.h"
#include "platform/wall_clock.h"
#include "virtual_clock.h"

namespace hifz::testing {

/// A grade kept with the card it gave.
struct SavedGrade {
  Passage passage;
  Card card;
  Grade grade = Grade::Again;
};

/// A practice log in memory: every reading logged and every grade saved, in
/// order, and each passage's card.
class FakeProgressStore final : public ProgressStore {
 public:
  void log(const Reading& reading) override { readings.push_back(reading); }
  std::optional<Card> card(const Passage& passage) const override {
    const auto found = cards.find(passage);
    return found == cards.end() ? std::nullopt : std::optional<Card>(found->second);
  }
  void saveCard(const Passage& passage, const Card& card, Grade grade) override {
    cards[passage] = card;
    grades.push_back({passage, card, grade});
  }
  std::vector<KeptCard> keptCards() const override {
    std::vector<KeptCard> kept;
    for (const auto& [passage, card] : cards) {
      KeptCard one{passage, card, std::nullopt, Grade::Good};
      for (const SavedGrade& saved : grades) {
        if (saved.passage != passage) continue;
        const bool learned = saved.grade == Grade::Good || saved.grade == Grade::Easy;
        if (learned && !one.firstLearned) one.firstLearned = saved.card.lastReview;
        one.lastGrade = saved.grade;
      }
      kept.push_back(one);
    }
    return kept;
  }
  std::vector<Reading> readingsSince(std::int64_t since) const override {
    std::vector<Reading> kept;
    for (const Reading& reading : readings)
      if (reading.startedAt >= since) kept.push_back(reading);
    return kept;
  }
  std::optional<Reading> lastReading(const Passage& passage) const override {
    for (auto reading = readings.rbegin(); reading != readings.rend(); ++reading)
      if (reading->passage == passage &&
          (reading->way == ReadingWay::OneVerse || reading->way == ReadingWay::RangeOnce ||
           reading->way == ReadingWay::StepByStep))
        return *reading;
    return std::nullopt;
  }
  std::vector<Reading> readings;
  std::map<Passage, Card> cards;
  std::vector<SavedGrade> grades;
};

/// Moves progress as the test says: each export and import gives `result`
/// and is counted; a successful import runs `imported`.
class FakeProgressFiles final : public ProgressFiles {
 public:
  TransferResult exportToChosenFile() override {
    ++exports;
    return result;
  }
  TransferResult importFromChosenFile() override {
    ++imports;
    if (result == TransferResult::Done && imported) imported();
    return result;
  }
  TransferResult result = TransferResult::NoFileChosen;
  int exports = 0;
  int imports = 0;
  std::function<void()> imported;
};

/// The time of day moving with a virtual clock, from `epoch` on.
class VirtualWallClock final : public WallClock {
 public:
  VirtualWallClock(const VirtualClock& clock, std::int64_t epoch) : clock_(clock), epoch_(epoch) {}
  std::int64_t now() const override { return epoch_ + clock_.now(); }
  std::int64_t calendarNow() const override { return now() + zoneOffset; }
  /// The learner's time zone's offset from UTC, in milliseconds.
  std::int64_t zoneOffset = 0;

 private:
  const VirtualClock& clock_;
  std::int64_t epoch_;
};

}  // namespace hifz::testing
