#include "navigation/today_panel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "dialog/msg_form.h"
#include "progress/calendar_day.h"
#include "recitation/repetition_settings.h"
#include "recitation_fixture.h"

namespace hifz {
namespace {

using testing::MovieLength;

constexpr int kAnNas = 114;
constexpr int kAlFalaq = 113;

class TodayPanelTest : public testing::RecitationTest {
 protected:
  void SetUp() override {
    keepBeforeStart();
    RecitationTest::SetUp();
    addMovies({"1-001.gif", "2-001.gif", "3-001.gif", "4-001.gif", "5-001.gif", "6-001.gif"},
              MovieLength{300, 25});
  }
  /// What the practice log holds when the program starts.
  virtual void keepBeforeStart() {}

  // A passage graded `gradedDaysAgo` days before the start, due `dueDaysAgo`
  // days before it (negative: after).
  void keep(Passage passage, int gradedDaysAgo, int dueDaysAgo, Grade grade = Grade::Good) {
    const std::int64_t start = program.wallClock.calendarNow();
    Card card;
    card.state = CardState::Review;
    card.lastReview = start - gradedDaysAgo * kDayMs;
    card.due = start - dueDaysAgo * kDayMs;
    program.progress.saveCard(passage, card, grade);
  }
  Label& entry(int slot) { return form()[form1::TodayEntry.at(slot)]; }
  bool panelShown() { return form()[form1::TodayPanel].visible(); }
  void waitForStrip() {
    for (int waited = 0; !form()[form1::GradeStrip].visible() && waited < 10000; waited += 10)
      advance(10);
  }
};

class WithDuePassages : public TodayPanelTest {
 protected:
  void keepBeforeStart() override {
    keep({kAnNas, 1, 3}, 5, 1);
    keep({kAlFalaq, 1, 5}, 60, 3);
    keep({kAlFalaq, 1, 2}, 60, -4);  // due in four days
    program.progress.log({{kAnNas, 1, 3},
                          ReadingWay::RangeOnce,
                          3,
                          0,
                          program.wallClock.now() - kDayMs,
                          12 * 60'000});
  }
};

TEST_F(WithDuePassages, CountsThePassagesDueOnItsButtonAtStartAndAfterEachGrade) {
  EXPECT_EQ("اليوم (٢)", form()[form1::TodayButton].caption());
  form()[form1::Image24].click();
  click("1");
  click("3");
  waitForStrip();
  form()[form1::GradeGood].click();
  // Reviewed, the passage comes back days later.
  EXPECT_EQ("اليوم (١)", form()[form1::TodayButton].caption());
}

TEST_F(WithDuePassages, ListsTodaysPassagesAndDrawsTheProgress) {
  EXPECT_FALSE(panelShown());
  form()[form1::TodayButton].click();
  ASSERT_TRUE(panelShown());
  EXPECT_EQ("الناس ٤–٦", entry(0).caption());
  EXPECT_EQ("الناس ١–٣، تأخرت يوماً", entry(1).caption());
  EXPECT_EQ("", entry(2).caption());
  EXPECT_EQ("الفلق ١–٥، تأخرت ٣ أيام", entry(4).caption());
  EXPECT_EQ("", entry(5).caption());
  // An Nas: 3 of 6 verses learned; Al Falaq: 5 of 5. The larger share first.
  EXPECT_EQ("الفلق", form()[form1::ChapterName[0]].caption());
  EXPECT_EQ("الناس", form()[form1::ChapterName[1]].caption());
  EXPECT_FALSE(form()[form1::ChapterName[2]].visible());
  EXPECT_FALSE(form()[form1::NoChapterYet].visible());
  EXPECT_TRUE(form()[form1::ChapterTrack[1]].visible());
  EXPECT_FALSE(form()[form1::ChapterTrack[2]].visible());
  EXPECT_FLOAT_EQ(2580, form()[form1::ChapterBar[0]].width());
  EXPECT_FLOAT_EQ(1290, form()[form1::ChapterBar[1]].width());
  EXPECT_FLOAT_EQ(240 + 1290, form()[form1::ChapterBar[1]].left());
  // Twelve minutes yesterday, the longest day: the full height.
  EXPECT_FLOAT_EQ(1380, form()[form1::DayBar[28]].height());
  EXPECT_FLOAT_EQ(7200 - 1380, form()[form1::DayBar[28]].top());
  EXPECT_FLOAT_EQ(0, form()[form1::DayBar[29]].height());
  EXPECT_EQ("أطول يوم: ١٢ دقيقة", form()[form1::DayScale].caption());
  form()[form1::TodayClose].click();
  EXPECT_FALSE(panelShown());
}

TEST_F(TodayPanelTest, SaysSoWhenThereIsNothingToDo) {
  form()[form1::TodayButton].click();
  EXPECT_EQ("اليوم", form()[form1::TodayButton].caption());
  EXPECT_EQ("لا جديد بعد", entry(0).caption());
  EXPECT_EQ("لا مراجعة قريبة اليوم", entry(1).caption());
  EXPECT_EQ("لا مراجعة سابقة اليوم", entry(4).caption());
  EXPECT_FALSE(form()[form1::ChapterName[0]].visible());
  EXPECT_TRUE(form()[form1::NoChapterYet].visible());
  EXPECT_EQ("لا تدريب في آخر ٣٠ يوماً", form()[form1::DayScale].caption());
  // An entry without a passage reads nothing.
  entry(1).click();
  EXPECT_TRUE(panelShown());
  EXPECT_FALSE(form()[form1::playing].visible());
}

struct WayCase {
  const char* name;
  ReadingWay lastWay;
  RangeWay readAs;
};

class TodayEntryClick : public TodayPanelTest, public ::testing::WithParamInterface<WayCase> {
 protected:
  void keepBeforeStart() override {
    keep({kAnNas, 2, 4}, 40, 2);
    program.progress.log({{kAnNas, 2, 4}, GetParam().lastWay, 3, 0, 0, 1000});
  }
};

TEST_P(TodayEntryClick, OpensTheChapterAndReadsThePassageTheWayItWasLastRead) {
  state().CurrentChapter = "1-2\\Al Asr\\";
  form()[form1::Repeat].setText("2");
  form()[form1::TodayButton].click();
  entry(4).click();
  EXPECT_FALSE(panelShown());
  EXPECT_EQ("1-1\\An Nas\\", state().CurrentChapter);
  EXPECT_EQ(GetParam().readAs, rangeWay(form()));
  EXPECT_TRUE(form()[form1::playing].visible());
  waitForStrip();
  const Reading& read = program.progress.readings.back();
  EXPECT_EQ((Passage{kAnNas, 2, 4}), read.passage);
  EXPECT_EQ(
      GetParam().lastWay == ReadingWay::StepByStep ? ReadingWay::StepByStep : ReadingWay::RangeOnce,
      read.way);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, TodayEntryClick,
    ::testing::Values(WayCase{"RangeOnce", ReadingWay::RangeOnce, RangeWay::Once},
                      WayCase{"StepByStep", ReadingWay::StepByStep, RangeWay::Drill},
                      WayCase{"NeverReadThatWay", ReadingWay::WithoutEnd, RangeWay::Once}),
    [](const ::testing::TestParamInfo<WayCase>& param) { return std::string(param.param.name); });

struct TransferCase {
  const char* name;
  ControlHandle<Form1, Image> button;
  TransferResult result;
  // The notice's message; none for no notice.
  const char* told;
};

class TodayTransfer : public TodayPanelTest, public ::testing::WithParamInterface<TransferCase> {};

TEST_P(TodayTransfer, MovesTheProgressThroughAChosenFileAndSaysWhatCameOfIt) {
  program.progressFiles.result = GetParam().result;
  // What a file from another machine adds: a passage due today.
  program.progressFiles.imported = [this] { keep({kAlFalaq, 1, 5}, 60, 3); };
  form()[form1::TodayButton].click();
  form()[GetParam().button].click();
  EXPECT_EQ(1, program.progressFiles.exports + program.progressFiles.imports);
  MsgForm* notice = program.dialog();
  if (GetParam().told == nullptr) {
    EXPECT_TRUE(notice == nullptr || !notice->window().visible());
  } else {
    ASSERT_NE(nullptr, notice);
    EXPECT_EQ(GetParam().told, (*notice)[msg_form::MyMsg].caption());
  }
  const bool added =
      GetParam().button == form1::TodayImport && GetParam().result == TransferResult::Done;
  EXPECT_EQ(added ? "الفلق ١–٥، تأخرت ٣ أيام" : "لا مراجعة سابقة اليوم", entry(4).caption());
  EXPECT_EQ(added ? "اليوم (١)" : "اليوم", form()[form1::TodayButton].caption());
}

INSTANTIATE_TEST_SUITE_P(
    Files, TodayTransfer,
    ::testing::Values(
        TransferCase{"Exported", form1::TodayExport, TransferResult::Done, "حُفظ تقدمك في الملف\r"},
        TransferCase{"NotWritten", form1::TodayExport, TransferResult::Refused,
                     "تعذرت كتابة الملف\rولم يتغير شيء من تقدمك"},
        TransferCase{"NoFileToWrite", form1::TodayExport, TransferResult::NoFileChosen, nullptr},
        TransferCase{"Imported", form1::TodayImport, TransferResult::Done,
                     "أضيف ما في الملف إلى تقدمك\r"},
        TransferCase{"NotAProgressFile", form1::TodayImport, TransferResult::Refused,
                     "ليس الملف تقدماً حفظه البرنامج\rولم يتغير شيء من تقدمك"},
        TransferCase{"NoFileToRead", form1::TodayImport, TransferResult::NoFileChosen, nullptr}),
    [](const ::testing::TestParamInfo<TransferCase>& param) {
      return std::string(param.param.name);
    });

TEST_F(WithDuePassages, GoesAwayAtAPressElsewhereAndStaysForOneOnIt) {
  form()[form1::TodayButton].click();
  entry(2).mouseDown({1, 0, 10, 10});
  form()[form1::TodayPanel].mouseDown({1, 0, 10, 10});
  EXPECT_TRUE(panelShown());
  form()[form1::Image2].mouseDown({1, 0, 10, 10});
  EXPECT_FALSE(panelShown());
  form()[form1::TodayButton].click();
  EXPECT_TRUE(panelShown());
  form()[form1::TodayButton].click();
  EXPECT_FALSE(panelShown());
}

}  // namespace
}  // namespace hifz
