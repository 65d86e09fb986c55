#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "recitation_fixture.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::MovieLength;
using testing::TestProgram;

constexpr int kAnNas = 114;

}  // namespace

void PrintTo(const Reading& r, std::ostream* out) {
  *out << r.passage.chapter << ":" << r.passage.firstVerse << "-" << r.passage.lastVerse << " way "
       << static_cast<int>(r.way) << ", " << r.playsHeard << " plays, " << r.turnsGiven
       << " turns, from " << r.startedAt << " for " << r.lengthMs << " ms";
}

namespace {

class PracticeLog : public testing::RecitationTest {
 public:
  // For the cases' steps, which are not members.
  Form1& window() { return form(); }
  void verse(const std::string& args) { click(args); }
  void wait(std::int64_t ms) { advance(ms); }

 protected:
  void SetUp() override {
    RecitationTest::SetUp();
    addMovies({"1-001.gif", "2-001.gif", "3-001.gif", "4-001.gif", "5-001.gif", "6-001.gif"},
              MovieLength{300, 25});
  }

 public:
  void range(ControlHandle<Form1, Image> way, int first, int last) {
    form()[way].click();
    click(std::to_string(first));
    click(std::to_string(last));
  }
  void stop() { form()[form1::playing].click(); }
  const std::vector<Reading>& logged() const { return program.progress.readings; }
};

struct LogCase {
  const char* name;
  std::function<void(PracticeLog&)> read;
  Reading expected;
};

class PracticeLogWays : public PracticeLog, public ::testing::WithParamInterface<LogCase> {};

// Each reading is logged once, when it ends, with the time it began and took.
TEST_P(PracticeLogWays, IsLoggedWhenItEnds) {
  GetParam().read(*this);
  EXPECT_THAT(logged(), ElementsAre(GetParam().expected));
}

constexpr std::int64_t kT0 = TestProgram::kEpoch;

INSTANTIATE_TEST_SUITE_P(
    EachWayOfReading, PracticeLogWays,
    ::testing::Values(LogCase{"AVerseThreeTimes",
                              [](PracticeLog& p) {
                                p.window()[form1::Repeat].setText("3");
                                p.verse("5");
                                p.wait(3000);
                              },
                              {{kAnNas, 5, 5}, ReadingWay::OneVerse, 3, 0, kT0, 1510}},
                      LogCase{"AVerseTwiceWithTheLearnersTurns",
                              [](PracticeLog& p) {
                                p.window()[form1::Image5[1]].click();  // a pause of 2 seconds
                                p.window()[form1::Repeat].setText("2");
                                p.verse("2");
                                p.wait(20000);
                              },
                              {{kAnNas, 2, 2}, ReadingWay::OneVerse, 2, 1, kT0, 4000}},
                      LogCase{"ARangeOnce",
                              [](PracticeLog& p) {
                                p.range(form1::Image24, 2, 4);
                                p.wait(5000);
                              },
                              {{kAnNas, 2, 4}, ReadingWay::RangeOnce, 3, 0, kT0, 1500}},
                      LogCase{"ARangeStepByStep",
                              [](PracticeLog& p) {
                                p.range(form1::Image26, 3, 4);
                                p.wait(5000);
                              },
                              {{kAnNas, 3, 4}, ReadingWay::StepByStep, 4, 0, kT0, 2000}},
                      LogCase{"ARangeWithoutEndUntilTheStopButton",
                              [](PracticeLog& p) {
                                p.range(form1::Image23, 1, 2);
                                p.wait(2200);
                                p.stop();
                              },
                              {{kAnNas, 1, 2}, ReadingWay::WithoutEnd, 4, 0, kT0, 2200}},
                      LogCase{"TheWholeChapterVerseByVerse",
                              [](PracticeLog& p) {
                                p.window()[form1::Image1].click();
                                p.wait(10000);
                              },
                              {{kAnNas, 1, 6}, ReadingWay::WholeChapter, 6, 0, kT0, 3025}}),
    [](const ::testing::TestParamInfo<LogCase>& param) { return std::string(param.param.name); });

TEST_F(PracticeLog, AVerseStoppedMidPlayCountsOnlyThePlaysHeardWhole) {
  addMovies({"5-001.gif"}, MovieLength{10000, 250});
  form()[form1::Repeat].setText("3");
  click("5");
  advance(10500);
  EXPECT_THAT(logged(), IsEmpty());
  stop();
  EXPECT_THAT(
      logged(),
      ElementsAre(Reading{{kAnNas, 5, 5}, ReadingWay::OneVerse, 1, 0, TestProgram::kEpoch, 10500}));
}

TEST_F(PracticeLog, AnotherVerseChosenWhileOnePlaysEndsTheFirstReading) {
  addMovies({"5-001.gif"}, MovieLength{10000, 250});
  form()[form1::Repeat].setText("3");
  click("5");
  advance(4000);
  click("3");
  advance(10000);
  EXPECT_THAT(
      logged(),
      ElementsAre(
          Reading{{kAnNas, 5, 5}, ReadingWay::OneVerse, 0, 0, TestProgram::kEpoch, 4000},
          Reading{{kAnNas, 3, 3}, ReadingWay::OneVerse, 3, 0, TestProgram::kEpoch + 4000, 1510}));
}

TEST_F(PracticeLog, NothingIsLoggedWhenNothingPlays) {
  click("9");  // no movie for verse 9
  advance(3000);
  form()[form1::Image20].click();
  EXPECT_THAT(logged(), IsEmpty());
}

}  // namespace
}  // namespace hifz
