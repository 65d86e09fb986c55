#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "procedure_log.h"
#include "test_program.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TestProgram;

const std::string kBlank = "C:\\Hifz\\2 blank.gif";
const std::string kChapter = "C:\\Hifz\\data\\1-1\\An Nas\\";

// The chapter screen of "An Nas", with the recitation procedures only logged.
class ChapterScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"menu.gif", "Othmani.gif", "words.gif", "2-001.gif", "1-002.gif",
                             "1-001.gif", "1-all.gif"})
      program.files.addFile(kChapter + name);
    program.load();
    program.slot(form1::verses1).raiseFSCommand("click", "1");
    testing::logProcedures(form(), calls, {form1::reset, form1::StopIt, form1::Command1});
    flash1().loads.clear();
  }
  Form1& form() { return *program.form; }
  testing::FakeMovieSlot& flash1() { return program.slot(form1::flash1); }
  bool shown(ControlHandle<Form1, Control> control) { return form()[control].visible(); }
  TestProgram program;
  std::vector<std::string> calls;
};

TEST_F(ChapterScreen, VerseInBreathsShowsTheFirstPageAndTheBreathsPanel) {
  form()[form1::Image3].click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "menu.gif"));
  EXPECT_TRUE(shown(form1::Picture3));
}

TEST_F(ChapterScreen, WholeChapterInPartsReadsEveryVerseMovieFromTheFirst) {
  std::string selected;
  form()[form1::StopIt].onClick = [&] {
    calls.emplace_back("StopIt");
    selected = form()[form1::File1].fileName();
  };
  form()[form1::Image1].click();
  EXPECT_THAT(calls, ElementsAre("reset", "StopIt"));
  EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "menu.gif"));
  EXPECT_EQ(form()[form1::kind].caption(), "all");
  EXPECT_EQ(form()[form1::File1].pattern(), "?-???.gif;??-???.gif;?????-???.gif");
  EXPECT_EQ(selected, "1-001.gif");
}

TEST_F(ChapterScreen, WholeChapterHandsOverToTheWholeChapterMovie) {
  std::string kindAtHandOver;
  form()[form1::Command1].onClick = [&] {
    calls.emplace_back("Command1");
    kindAtHandOver = form()[form1::kind].caption();
  };
  form()[form1::Image4].click();
  EXPECT_THAT(calls, ElementsAre("reset", "Command1"));
  EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "menu.gif"));
  EXPECT_EQ(kindAtHandOver, "all");
}

struct PlayingCase {
  bool playing;
  std::vector<std::string> calls;
};

TEST_F(ChapterScreen, SectionStopsAPlayingDisplayAndOpensTheRangePanel) {
  const PlayingCase cases[] = {{true, {"reset", "StopIt"}}, {false, {"reset"}}};
  for (const auto& c : cases) {
    calls.clear();
    flash1().loads.clear();
    form()[form1::Picture4].setVisible(false);
    // The logged reset leaves the display as the test set it.
    flash1().playing = c.playing;
    form()[form1::Image2].click();
    EXPECT_EQ(calls, c.calls);
    EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "menu.gif"));
    EXPECT_TRUE(shown(form1::Picture4));
  }
}

TEST_F(ChapterScreen, WordViewHidesTheMenuScreenAndShowsTheWords) {
  const PlayingCase cases[] = {{true, {"reset", "reset", "StopIt"}}, {false, {"reset", "reset"}}};
  for (const auto& c : cases) {
    calls.clear();
    flash1().loads.clear();
    form()[form1::Picture8].setVisible(true);
    flash1().playing = c.playing;
    form()[form1::Image16].click();
    EXPECT_EQ(calls, c.calls);
    EXPECT_FALSE(shown(form1::Picture8));
    EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "words.gif"));
  }
}

TEST_F(ChapterScreen, OthmaniPageOpensWithoutBlankEvenWithAPanelOpen) {
  form()[form1::Picture3].setVisible(true);
  form()[form1::Othmani].click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  EXPECT_THAT(flash1().loads, ElementsAre(kChapter + "Othmani.gif"));
  EXPECT_TRUE(shown(form1::Picture3));
}

TEST_F(ChapterScreen, WithAPanelOpenTheReadingModesOnlyReset) {
  for (const auto panel : {form1::Picture3, form1::Picture4}) {
    for (const auto button : {form1::Image3, form1::Image1, form1::Image4, form1::Image16}) {
      calls.clear();
      flash1().loads.clear();
      flash1().playing = true;
      form()[form1::Picture3].setVisible(false);
      form()[form1::Picture4].setVisible(false);
      form()[panel].setVisible(true);
      form()[button].click();
      EXPECT_THAT(calls, ElementsAre("reset")) << panel.name() << " " << button.name();
      EXPECT_THAT(flash1().loads, IsEmpty()) << panel.name() << " " << button.name();
      EXPECT_EQ(form()[form1::kind].caption(), "Kind");
      EXPECT_TRUE(shown(panel));
    }
  }
}

TEST_F(ChapterScreen, WithAPanelOpenTheSectionButtonAlsoShowsTheFirstPage) {
  for (const auto panel : {form1::Picture3, form1::Picture4}) {
    calls.clear();
    flash1().loads.clear();
    flash1().playing = true;
    form()[form1::Picture3].setVisible(false);
    form()[form1::Picture4].setVisible(false);
    form()[panel].setVisible(true);
    form()[form1::Image2].click();
    EXPECT_THAT(calls, ElementsAre("reset")) << panel.name();
    EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "menu.gif"));
    EXPECT_EQ(shown(form1::Picture4), panel == form1::Picture4);
  }
}

TEST_F(ChapterScreen, ReadingModesStartOnTheFirstPageWhateverPageIsInUse) {
  form().state().MenuMovie = "Menu3.gif";
  form()[form1::Image3].click();
  EXPECT_EQ(flash1().movie(), kChapter + "menu.gif");
  EXPECT_EQ(form().state().MenuMovie, "Menu3.gif");
}

TEST_F(ChapterScreen, ExitShowsTheExitQuestionInPlaceOfTheTopMenu) {
  form()[form1::Picture13].setVisible(true);
  form()[form1::Image12].click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  const ControlHandle<Form1, Control> shownControls[] = {form1::ExitMe, form1::Picture11,
                                                         form1::Picture12, form1::Picture8};
  for (const auto control : shownControls) EXPECT_TRUE(shown(control)) << control.name();
  EXPECT_FALSE(shown(form1::TopMenu));
  EXPECT_FALSE(shown(form1::Picture13));
}

TEST_F(ChapterScreen, MainMenuBringsTheTopMenuBackAndLeavesTheExitQuestionAlone) {
  form()[form1::Image12].click();
  calls.clear();
  form()[form1::Picture13].setVisible(true);
  form()[form1::Picture8].setVisible(false);
  form()[form1::Image20].click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  const ControlHandle<Form1, Control> shownControls[] = {
      form1::Picture11, form1::TopMenu, form1::Picture12, form1::Picture8, form1::ExitMe};
  for (const auto control : shownControls) EXPECT_TRUE(shown(control)) << control.name();
  EXPECT_FALSE(shown(form1::Picture13));
}

TEST_F(ChapterScreen, ChaptersBringsBackTheLastListOnlyWhileTheStripIsHidden) {
  // The chapter was chosen from verses1, after the strip gave way to the list.
  program.slot(form1::TopMenu).raiseFSCommand("click", "1-1");
  form()[form1::Picture13].setVisible(true);
  form()[form1::Image22].click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  EXPECT_TRUE(shown(form1::Picture8));
  EXPECT_TRUE(shown(form1::Picture11));
  EXPECT_TRUE(shown(form1::verses1));
  EXPECT_FALSE(shown(form1::Picture12));
  EXPECT_FALSE(shown(form1::Picture13));

  calls.clear();
  form()[form1::Picture12].setVisible(true);
  form()[form1::Picture13].setVisible(true);
  form()[form1::Image22].click();
  EXPECT_THAT(calls, IsEmpty());
  EXPECT_TRUE(shown(form1::Picture13));
}

TEST_F(ChapterScreen, OptionsOpensTheOptionsPanel) {
  form()[form1::Picture13].setVisible(true);
  form()[form1::Image19].click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  EXPECT_TRUE(shown(form1::Picture9));
  EXPECT_FALSE(shown(form1::Picture13));
}

TEST_F(ChapterScreen, ClosingTheBreathsPanelStopsThePollAndShowsTheFirstPage) {
  form()[form1::Picture3].setVisible(true);
  form().state().RepeatsDone = 2;
  form()[form1::Picture3].click();
  EXPECT_EQ(form()[form1::Timer1].interval(), 0);
  EXPECT_THAT(flash1().loads, ElementsAre(kChapter + "menu.gif"));
  EXPECT_EQ(form().state().RepeatsDone, 0);
  EXPECT_FALSE(shown(form1::Picture3));
}

TEST_F(ChapterScreen, AcknowledgementsOpenFromTheCreditsAndCloseOnAClick) {
  form()[form1::Image10].click();
  EXPECT_TRUE(shown(form1::Picture13));
  form()[form1::Picture13].click();
  EXPECT_FALSE(shown(form1::Picture13));
}

TEST_F(ChapterScreen, TheWorkingPanelSwitchShowsItWhereItIs) {
  form()[form1::Image6].click();
  EXPECT_TRUE(shown(form1::Picture2));
  EXPECT_EQ(form()[form1::Picture2].left(), 12165);
}

}  // namespace
}  // namespace hifz
