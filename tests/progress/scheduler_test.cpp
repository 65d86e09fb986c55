#include "progress/scheduler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "progress/chapter_lengths.h"
#include "progress/passage.h"

namespace hifz {
namespace {

constexpr std::int64_t kDay = 24 * 60 * 60 * 1000;

// One row of fsrs_reference.csv: a review and the card ts-fsrs left after it.
struct ReferenceReview {
  std::string history;
  int index = 0;
  std::int64_t at = 0;
  Grade grade = Grade::Good;
  double retrievabilityBefore = 0;
  CardState state = CardState::New;
  std::int64_t due = 0;
  int scheduledDays = 0;
  int elapsedDays = 0;
  double stability = 0;
  double difficulty = 0;
  int reps = 0;
  int lapses = 0;
  int learningStep = 0;
};

Grade gradeNamed(const std::string& name) {
  static const std::map<std::string, Grade> grades = {
      {"again", Grade::Again}, {"hard", Grade::Hard}, {"good", Grade::Good}, {"easy", Grade::Easy}};
  return grades.at(name);
}

CardState stateNamed(const std::string& name) {
  static const std::map<std::string, CardState> states = {{"new", CardState::New},
                                                          {"learning", CardState::Learning},
                                                          {"review", CardState::Review},
                                                          {"relearning", CardState::Relearning}};
  return states.at(name);
}

std::vector<ReferenceReview> readReference() {
  std::ifstream in(HIFZ_FSRS_REFERENCE);
  std::string line;
  std::getline(in, line);
  std::vector<ReferenceReview> rows;
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::stringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');) f.push_back(cell);
    if (f.size() != 14) throw std::runtime_error("bad reference row: " + line);
    rows.push_back({f[0], std::stoi(f[1]), std::stoll(f[2]), gradeNamed(f[3]), std::stod(f[4]),
                    stateNamed(f[5]), std::stoll(f[6]), std::stoi(f[7]), std::stoi(f[8]),
                    std::stod(f[9]), std::stod(f[10]), std::stoi(f[11]), std::stoi(f[12]),
                    std::stoi(f[13])});
  }
  return rows;
}

// ts-fsrs rounds to 8 decimals; its exp and pow may differ from ours in the
// last bit, which can move that rounding by one unit.
void expectFigure(double expected, double actual, const char* what) {
  EXPECT_NEAR(expected, actual, 2e-8 * std::max(1.0, std::abs(expected))) << what;
}

TEST(Scheduler, FollowsTsFsrsThroughEveryReferenceHistory) {
  const std::vector<ReferenceReview> rows = readReference();
  ASSERT_GT(rows.size(), 100u);
  Card card;
  for (const ReferenceReview& row : rows) {
    SCOPED_TRACE(row.history + " review " + std::to_string(row.index));
    if (row.index == 1) card = newCard(row.at);
    expectFigure(row.retrievabilityBefore, retrievability(card, row.at), "retrievability");
    card = review(card, row.at, row.grade);
    EXPECT_EQ(row.state, card.state);
    EXPECT_EQ(row.due, card.due);
    EXPECT_EQ(row.scheduledDays, card.scheduledDays);
    EXPECT_EQ(row.elapsedDays, card.elapsedDays);
    expectFigure(row.stability, card.memory.stability, "stability");
    expectFigure(row.difficulty, card.memory.difficulty, "difficulty");
    EXPECT_EQ(row.reps, card.reps);
    EXPECT_EQ(row.lapses, card.lapses);
    EXPECT_EQ(row.learningStep, card.learningStep);
    EXPECT_EQ(row.at, card.lastReview);
  }
}

// The figures above prove little unless the histories grade cards in every
// state with every grade, and review them early, on time and late.
TEST(Scheduler, ReferenceHistoriesCoverEveryGradeInEveryStateAndTiming) {
  const std::vector<ReferenceReview> rows = readReference();
  std::set<std::pair<CardState, Grade>> seen;
  std::set<std::string> timings;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].index == 1) {
      seen.insert({CardState::New, rows[i].grade});
      continue;
    }
    const ReferenceReview& before = rows[i - 1];
    seen.insert({before.state, rows[i].grade});
    if (before.state != CardState::Review) continue;
    if (rows[i].at < before.due)
      timings.insert(rows[i].elapsedDays == 0 ? "same day" : "early");
    else
      timings.insert(rows[i].at == before.due ? "on time" : "late");
  }
  for (CardState state :
       {CardState::New, CardState::Learning, CardState::Review, CardState::Relearning})
    for (Grade grade : {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy})
      EXPECT_TRUE(seen.count({state, grade}))
          << "state " << static_cast<int>(state) << " grade " << static_cast<int>(grade);
  EXPECT_EQ((std::set<std::string>{"early", "late", "on time", "same day"}), timings);
}

TEST(Scheduler, AClockMovedBackCountsAsTheSameDayAndNeverSchedulesIntoThePast) {
  const std::int64_t start = 1'709'280'000'000;
  Card card = newCard(start);
  card = review(card, start, Grade::Good);
  card = review(card, start + 10 * 60 * 1000, Grade::Good);
  ASSERT_EQ(CardState::Review, card.state);
  for (Grade grade : {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy}) {
    SCOPED_TRACE(static_cast<int>(grade));
    const std::int64_t back = start - 40 * kDay;
    const Card after = review(card, back, grade);
    EXPECT_EQ(0, after.elapsedDays);
    EXPECT_GT(after.due, back);
    EXPECT_TRUE(std::isfinite(after.memory.stability));
    EXPECT_GE(after.memory.stability, 0.001);
    EXPECT_DOUBLE_EQ(1.0, retrievability(card, back));
  }
}

TEST(Scheduler, ANewCardIsDueAtOnceAndHasNoRecall) {
  const Card card = newCard(5 * kDay);
  EXPECT_EQ(CardState::New, card.state);
  EXPECT_EQ(5 * kDay, card.due);
  EXPECT_EQ(0, retrievability(card, 9 * kDay));
}

TEST(Passage, ChaptersHoldTheQuransVerses) {
  int total = 0;
  for (int chapter = 1; chapter <= 114; ++chapter) total += versesInChapter(chapter);
  EXPECT_EQ(6236, total);
  EXPECT_EQ(0, versesInChapter(0));
  EXPECT_EQ(0, versesInChapter(115));
}

TEST(Passage, IsAChapterOfTheQuranWithVersesOfItInOrder) {
  const struct {
    Passage passage;
    bool valid;
  } cases[] = {
      {{1, 1, 7}, true},    {{114, 6, 6}, true}, {{2, 255, 286}, true}, {{0, 1, 1}, false},
      {{115, 1, 1}, false}, {{3, 0, 4}, false},  {{3, 5, 4}, false},    {{-1, 1, 1}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.valid, isValid(c.passage))
        << c.passage.chapter << ":" << c.passage.firstVerse << "-" << c.passage.lastVerse;
}

}  // namespace
}  // namespace hifz
