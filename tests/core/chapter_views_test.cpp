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
    program.slot("verses1").raiseFSCommand("click", "1");
    testing::logProcedures(form(), calls, {"reset", "StopIt", "Command1"});
    flash1().loads.clear();
  }
  Form1& form() { return *program.form; }
  testing::FakeMovieSlot& flash1() { return program.slot("flash1"); }
  bool shown(const char* name) { return form().control(name).visible(); }
  TestProgram program;
  std::vector<std::string> calls;
};

TEST_F(ChapterScreen, VerseInBreathsShowsTheFirstPageAndTheBreathsPanel) {
  form().image("Image3").click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "menu.gif"));
  EXPECT_TRUE(shown("Picture3"));
}

TEST_F(ChapterScreen, WholeChapterInPartsReadsEveryVerseMovieFromTheFirst) {
  std::string selected;
  form().button("StopIt").onClick = [&] {
    calls.emplace_back("StopIt");
    selected = form().fileList("File1").fileName();
  };
  form().image("Image1").click();
  EXPECT_THAT(calls, ElementsAre("reset", "StopIt"));
  EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "menu.gif"));
  EXPECT_EQ(form().label("kind").caption(), "all");
  EXPECT_EQ(form().fileList("File1").pattern(), "?-???.gif;??-???.gif");
  EXPECT_EQ(selected, "1-001.gif");
}

TEST_F(ChapterScreen, WholeChapterHandsOverToTheWholeChapterMovie) {
  std::string kindAtHandOver;
  form().button("Command1").onClick = [&] {
    calls.emplace_back("Command1");
    kindAtHandOver = form().label("kind").caption();
  };
  form().image("Image4").click();
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
    form().panel("Picture4").setVisible(false);
    // The logged reset leaves the display as the test set it.
    flash1().playing = c.playing;
    form().image("Image2").click();
    EXPECT_EQ(calls, c.calls);
    EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "menu.gif"));
    EXPECT_TRUE(shown("Picture4"));
  }
}

TEST_F(ChapterScreen, WordViewHidesTheMenuScreenAndShowsTheWords) {
  const PlayingCase cases[] = {{true, {"reset", "reset", "StopIt"}}, {false, {"reset", "reset"}}};
  for (const auto& c : cases) {
    calls.clear();
    flash1().loads.clear();
    form().panel("Picture8").setVisible(true);
    flash1().playing = c.playing;
    form().image("Image16").click();
    EXPECT_EQ(calls, c.calls);
    EXPECT_FALSE(shown("Picture8"));
    EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "words.gif"));
  }
}

TEST_F(ChapterScreen, OthmaniPageOpensWithoutBlankEvenWithAPanelOpen) {
  form().panel("Picture3").setVisible(true);
  form().image("Othmani").click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  EXPECT_THAT(flash1().loads, ElementsAre(kChapter + "Othmani.gif"));
  EXPECT_TRUE(shown("Picture3"));
}

TEST_F(ChapterScreen, WithAPanelOpenTheReadingModesOnlyReset) {
  for (const char* panel : {"Picture3", "Picture4"}) {
    for (const char* button : {"Image3", "Image1", "Image4", "Image16"}) {
      calls.clear();
      flash1().loads.clear();
      flash1().playing = true;
      form().panel("Picture3").setVisible(false);
      form().panel("Picture4").setVisible(false);
      form().panel(panel).setVisible(true);
      form().image(button).click();
      EXPECT_THAT(calls, ElementsAre("reset")) << panel << " " << button;
      EXPECT_THAT(flash1().loads, IsEmpty()) << panel << " " << button;
      EXPECT_EQ(form().label("kind").caption(), "Kind");
      EXPECT_TRUE(shown(panel));
    }
  }
}

TEST_F(ChapterScreen, WithAPanelOpenTheSectionButtonAlsoShowsTheFirstPage) {
  for (const char* panel : {"Picture3", "Picture4"}) {
    calls.clear();
    flash1().loads.clear();
    flash1().playing = true;
    form().panel("Picture3").setVisible(false);
    form().panel("Picture4").setVisible(false);
    form().panel(panel).setVisible(true);
    form().image("Image2").click();
    EXPECT_THAT(calls, ElementsAre("reset")) << panel;
    EXPECT_THAT(flash1().loads, ElementsAre(kBlank, kChapter + "menu.gif"));
    EXPECT_EQ(shown("Picture4"), std::string(panel) == "Picture4");
  }
}

TEST_F(ChapterScreen, ReadingModesStartOnTheFirstPageWhateverPageIsInUse) {
  form().state().MenuMovie = "Menu3.gif";
  form().image("Image3").click();
  EXPECT_EQ(flash1().movie(), kChapter + "menu.gif");
  EXPECT_EQ(form().state().MenuMovie, "Menu3.gif");
}

TEST_F(ChapterScreen, ExitShowsTheExitQuestionInPlaceOfTheTopMenu) {
  form().panel("Picture13").setVisible(true);
  form().image("Image12").click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  for (const char* name : {"ExitMe", "Picture11", "Picture12", "Picture8"})
    EXPECT_TRUE(shown(name)) << name;
  EXPECT_FALSE(shown("TopMenu"));
  EXPECT_FALSE(shown("Picture13"));
}

TEST_F(ChapterScreen, MainMenuBringsTheTopMenuBackAndLeavesTheExitQuestionAlone) {
  form().image("Image12").click();
  calls.clear();
  form().panel("Picture13").setVisible(true);
  form().panel("Picture8").setVisible(false);
  form().image("Image20").click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  for (const char* name : {"Picture11", "TopMenu", "Picture12", "Picture8", "ExitMe"})
    EXPECT_TRUE(shown(name)) << name;
  EXPECT_FALSE(shown("Picture13"));
}

TEST_F(ChapterScreen, ChaptersBringsBackTheLastListOnlyWhileTheStripIsHidden) {
  // The chapter was chosen from verses1, after the strip gave way to the list.
  program.slot("TopMenu").raiseFSCommand("click", "1-1");
  form().panel("Picture13").setVisible(true);
  form().image("Image22").click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  EXPECT_TRUE(shown("Picture8"));
  EXPECT_TRUE(shown("Picture11"));
  EXPECT_TRUE(shown("verses1"));
  EXPECT_FALSE(shown("Picture12"));
  EXPECT_FALSE(shown("Picture13"));

  calls.clear();
  form().panel("Picture12").setVisible(true);
  form().panel("Picture13").setVisible(true);
  form().image("Image22").click();
  EXPECT_THAT(calls, IsEmpty());
  EXPECT_TRUE(shown("Picture13"));
}

TEST_F(ChapterScreen, OptionsOpensTheOptionsPanel) {
  form().panel("Picture13").setVisible(true);
  form().image("Image19").click();
  EXPECT_THAT(calls, ElementsAre("reset"));
  EXPECT_TRUE(shown("Picture9"));
  EXPECT_FALSE(shown("Picture13"));
}

TEST_F(ChapterScreen, ClosingTheBreathsPanelStopsThePollAndShowsTheFirstPage) {
  form().panel("Picture3").setVisible(true);
  form().state().RepeatsDone = 2;
  form().panel("Picture3").click();
  EXPECT_EQ(form().timer("Timer1").interval(), 0);
  EXPECT_THAT(flash1().loads, ElementsAre(kChapter + "menu.gif"));
  EXPECT_EQ(form().state().RepeatsDone, 0);
  EXPECT_FALSE(shown("Picture3"));
}

TEST_F(ChapterScreen, AcknowledgementsOpenFromTheCreditsAndCloseOnAClick) {
  form().image("Image10").click();
  EXPECT_TRUE(shown("Picture13"));
  form().panel("Picture13").click();
  EXPECT_FALSE(shown("Picture13"));
}

TEST_F(ChapterScreen, TheWorkingPanelSwitchShowsItWhereItIs) {
  form().image("Image6").click();
  EXPECT_TRUE(shown("Picture2"));
  EXPECT_EQ(form().panel("Picture2").left(), 12165);
}

}  // namespace
}  // namespace hifz
