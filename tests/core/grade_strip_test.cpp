#include "recitation/grade_strip.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "progress/scheduler.h"
#include "recitation_fixture.h"

namespace hifz {
namespace {

using testing::MovieLength;

constexpr int kAnNas = 114;
// Riyadh: the card's times are on the learner's calendar, not UTC.
constexpr std::int64_t kZoneOffset = 3 * 3600 * 1000;
constexpr std::int64_t kDay = 24 * 3600 * 1000;

class GradeStripTest : public testing::RecitationTest {
 public:
  Form1& window() { return form(); }
  void verse(const std::string& args) { click(args); }
  void wait(std::int64_t ms) { advance(ms); }
  void range(ControlHandle<Form1, Image> way, int first, int last) {
    form()[way].click();
    click(std::to_string(first));
    click(std::to_string(last));
  }
  void stop() { form()[form1::playing].click(); }
  bool shown() { return form()[form1::GradeStrip].visible(); }
  // Waits in small steps until the strip shows, as long as `limit` allows.
  void waitForStrip(std::int64_t limit = 10000) {
    for (std::int64_t waited = 0; !shown() && waited < limit; waited += 10) advance(10);
  }
  const std::vector<testing::SavedGrade>& grades() const { return program.progress.grades; }

 protected:
  void SetUp() override {
    RecitationTest::SetUp();
    program.wallClock.zoneOffset = kZoneOffset;
    addMovies({"1-001.gif", "2-001.gif", "3-001.gif", "4-001.gif", "5-001.gif", "6-001.gif"},
              MovieLength{300, 25});
  }
};

struct ReadingCase {
  const char* name;
  std::function<void(GradeStripTest&)> read;
  bool offered;
};

class GradeStripAfter : public GradeStripTest, public ::testing::WithParamInterface<ReadingCase> {};

TEST_P(GradeStripAfter, ShowsOnlyWhenAVerseOrARangeRanToItsEnd) {
  EXPECT_FALSE(shown());
  GetParam().read(*this);
  EXPECT_EQ(GetParam().offered, shown());
}

INSTANTIATE_TEST_SUITE_P(Readings, GradeStripAfter,
                         ::testing::Values(ReadingCase{"AVerse",
                                                       [](GradeStripTest& p) {
                                                         p.window()[form1::Repeat].setText("2");
                                                         p.verse("5");
                                                         p.wait(2000);
                                                       },
                                                       true},
                                           ReadingCase{"ARangeOnce",
                                                       [](GradeStripTest& p) {
                                                         p.range(form1::Image24, 2, 4);
                                                         p.wait(5000);
                                                       },
                                                       true},
                                           ReadingCase{"ARangeStepByStep",
                                                       [](GradeStripTest& p) {
                                                         p.range(form1::Image26, 3, 4);
                                                         p.wait(5000);
                                                       },
                                                       true},
                                           ReadingCase{"AVerseStoppedByTheLearner",
                                                       [](GradeStripTest& p) {
                                                         p.window()[form1::Repeat].setText("3");
                                                         p.verse("5");
                                                         p.wait(800);
                                                         p.stop();
                                                       },
                                                       false},
                                           ReadingCase{"ARangeWithoutEnd",
                                                       [](GradeStripTest& p) {
                                                         p.range(form1::Image23, 1, 2);
                                                         p.wait(2200);
                                                         p.stop();
                                                       },
                                                       false},
                                           ReadingCase{"TheWholeChapterVerseByVerse",
                                                       [](GradeStripTest& p) {
                                                         p.window()[form1::Image1].click();
                                                         p.wait(5000);
                                                       },
                                                       false}),
                         [](const ::testing::TestParamInfo<ReadingCase>& param) {
                           return std::string(param.param.name);
                         });

TEST_F(GradeStripTest, GoesAwayByItselfAfterItsTimeWithNoGradeKept) {
  verse("5");
  waitForStrip();
  ASSERT_TRUE(shown());
  advance(kGradeStripMs - 100);
  EXPECT_TRUE(shown());
  advance(200);
  EXPECT_FALSE(shown());
  EXPECT_THAT(grades(), ::testing::IsEmpty());
  EXPECT_THAT(program.progress.readings, ::testing::SizeIs(1));
}

struct PressCase {
  const char* name;
  std::function<void(GradeStripTest&)> press;
};

class GradeStripPress : public GradeStripTest, public ::testing::WithParamInterface<PressCase> {};

// The press does what it always did, and the strip is gone without a grade.
TEST_P(GradeStripPress, HidesItAtTheNextPressAnywhere) {
  verse("5");
  waitForStrip();
  ASSERT_TRUE(shown());
  GetParam().press(*this);
  EXPECT_FALSE(shown());
  EXPECT_THAT(grades(), ::testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Presses, GradeStripPress,
    ::testing::Values(PressCase{"AnotherVerseInTheChapterMenu",
                                [](GradeStripTest& p) {
                                  p.verse("3");
                                  EXPECT_TRUE(p.window()[form1::playing].visible());
                                }},
                      PressCase{"AButtonOfTheWindow",
                                [](GradeStripTest& p) {
                                  p.window()[form1::Image2].mouseDown({1, 0, 10, 10});
                                }},
                      PressCase{"TheWindowsBackground",
                                [](GradeStripTest& p) {
                                  p.window().window().mouseDown({1, 0, 10, 10});
                                }}),
    [](const ::testing::TestParamInfo<PressCase>& param) { return std::string(param.param.name); });

TEST_F(GradeStripTest, APressOnTheStripItselfLeavesItForTheGrade) {
  verse("5");
  waitForStrip();
  form()[form1::GradeHard].mouseDown({1, 0, 10, 10});
  form()[form1::GradeStrip].mouseDown({1, 0, 10, 10});
  EXPECT_TRUE(shown());
  form()[form1::GradeHard].click();
  EXPECT_FALSE(shown());
  EXPECT_THAT(grades(), ::testing::SizeIs(1));
}

struct GradeCase {
  ControlHandle<Form1, Image> button;
  Grade grade;
};

class GradeStripGrade : public GradeStripTest, public ::testing::WithParamInterface<GradeCase> {};

TEST_P(GradeStripGrade, KeepsTheCardTheSchedulerGivesTheNewPassage) {
  range(form1::Image24, 2, 4);
  waitForStrip();
  ASSERT_TRUE(shown());
  const std::int64_t now = program.wallClock.now() + kZoneOffset;
  form()[GetParam().button].click();
  EXPECT_FALSE(shown());
  const Passage passage{kAnNas, 2, 4};
  const Card expected = review(newCard(now), now, GetParam().grade);
  ASSERT_THAT(grades(), ::testing::SizeIs(1));
  EXPECT_EQ(passage, grades()[0].passage);
  EXPECT_EQ(GetParam().grade, grades()[0].grade);
  EXPECT_EQ(expected, grades()[0].card);
  EXPECT_EQ(expected, program.progress.card(passage));
}

INSTANTIATE_TEST_SUITE_P(EachGrade, GradeStripGrade,
                         ::testing::Values(GradeCase{form1::GradeAgain, Grade::Again},
                                           GradeCase{form1::GradeHard, Grade::Hard},
                                           GradeCase{form1::GradeGood, Grade::Good},
                                           GradeCase{form1::GradeEasy, Grade::Easy}));

TEST_F(GradeStripTest, ASecondGradeBuildsOnTheFirst) {
  verse("5");
  waitForStrip();
  const std::int64_t first = program.wallClock.now() + kZoneOffset;
  form()[form1::GradeGood].click();
  advance(2 * kDay);
  verse("5");
  waitForStrip();
  const std::int64_t second = program.wallClock.now() + kZoneOffset;
  form()[form1::GradeEasy].click();
  const Card expected = review(review(newCard(first), first, Grade::Good), second, Grade::Easy);
  ASSERT_THAT(grades(), ::testing::SizeIs(2));
  EXPECT_EQ(expected, grades()[1].card);
  EXPECT_EQ(expected, program.progress.card({kAnNas, 5, 5}));
  EXPECT_EQ(2, expected.reps);
}

}  // namespace
}  // namespace hifz
