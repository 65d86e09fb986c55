#include "recitation/sequencer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <utility>

#include "recitation_fixture.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::Load;
using testing::MovieLength;

class Sequencer : public testing::RecitationTest {
 protected:
  void expectIdleTimers() {
    EXPECT_FALSE(form()[form1::Timer1].running());
    EXPECT_FALSE(form()[form1::Timer2].running());
  }
};

TEST_F(Sequencer, RepeatCountThreeWithoutPausePlaysThreeTimesThenShowsTheMenu) {
  addMovies({"5-1.gif"});
  form()[form1::Repeat].setText("3");
  click("5");
  EXPECT_TRUE(form()[form1::playing].visible());
  EXPECT_TRUE(form()[form1::Picture5].visible());
  advance(3000);
  EXPECT_THAT(loads, ElementsAre(Load{0, "5-1.gif"}, Load{505, "5-1.gif"}, Load{1010, "5-1.gif"},
                                 Load{1510, "2 blank.gif"}, Load{1510, "Menu.gif"}));
  EXPECT_EQ(flash1().plays, 3);
  EXPECT_EQ(state().VerseIndex, 0);
  EXPECT_EQ(state().RepeatsDone, 0);
  EXPECT_EQ(form()[form1::StopIt].caption(), "Off");
  expectIdleTimers();
  EXPECT_FALSE(form()[form1::playing].visible());
  EXPECT_FALSE(form()[form1::Picture5].visible());
  EXPECT_EQ(caption(form1::Label1), "End");
  EXPECT_EQ(caption(form1::Breath), "100");
  EXPECT_EQ(program.sound.beeps, 0);
}

TEST_F(Sequencer, ThePollShowsTheFrameAndTheCountWhileAMovieGoesOn) {
  addMovies({"5-1.gif"}, MovieLength{10000, 100});
  form()[form1::Repeat].setText("2");
  click("5");
  flash1().frame = 42;
  advance(500);
  EXPECT_EQ(caption(form1::Label1), "42");
  EXPECT_EQ(caption(form1::Label2), "");
  EXPECT_EQ(caption(form1::Label3), "0");
  EXPECT_EQ(caption(form1::Label6), "0");
  EXPECT_EQ(state().RepeatsDone, 0);
}

TEST_F(Sequencer, PauseModeWaitsTheComputedPauseWithABeep) {
  addMovies({"5-1.gif"}, MovieLength{300, 250});
  form()[form1::Image5[1]].click();  // a pause of 2 seconds
  form()[form1::Repeat].setText("2");
  click("5");
  EXPECT_EQ(form()[form1::Text1].text(), "2000");
  EXPECT_EQ(form()[form1::Timer1].interval(), 500);  // the keypad's value is no poll period
  advance(500);
  EXPECT_EQ(form()[form1::Text1].text(), "12000");
  EXPECT_EQ(form()[form1::Timer2].interval(), 12000);
  EXPECT_EQ(program.sound.beeps, 1);
  EXPECT_FALSE(form()[form1::Picture5].visible());
  EXPECT_TRUE(form()[form1::playing].visible());
  advance(11999);
  EXPECT_EQ(loads.size(), 1u);
  advance(1);
  EXPECT_EQ(loads.back(), (Load{12500, "5-1.gif"}));
  EXPECT_EQ(form()[form1::Timer1].interval(), 500);
  advance(20000);
  EXPECT_THAT(loads, ElementsAre(Load{0, "5-1.gif"}, Load{12500, "5-1.gif"},
                                 Load{13000, "2 blank.gif"}, Load{13000, "Menu.gif"}));
  EXPECT_EQ(program.sound.beeps, 1);
}

// The pause is the verse's length plus the chosen seconds, counted from the
// poll that found the end, at every play alike: the poll keeps its period.
TEST_F(Sequencer, EveryPauseOfPauseModeIsAsLongAsTheFirst) {
  addMovies({"5-1.gif"}, MovieLength{1400, 37});
  form()[form1::Image5[1]].click();
  form()[form1::Repeat].setText("3");
  click("5");
  advance(20000);
  // Ends at 1400 and 6380, found at 1500 and 6480; each pause 2000 + 37 x 40 ms.
  EXPECT_THAT(loads, ElementsAre(Load{0, "5-1.gif"}, Load{4980, "5-1.gif"}, Load{9960, "5-1.gif"},
                                 Load{11460, "2 blank.gif"}, Load{11460, "Menu.gif"}));
  EXPECT_EQ(form()[form1::Text1].text(), "3480");
  EXPECT_EQ(program.sound.beeps, 2);
}

TEST_F(Sequencer, ThePauseCountsTheLearnersTurnDownWhereTheRecitingIndicatorStands) {
  addMovies({"5-1.gif"}, MovieLength{1400, 37});
  form()[form1::Image5[1]].click();
  form()[form1::Repeat].setText("2");
  const Countdown& countdown = form().countdown();
  const PicturePanel& reciting = form()[form1::Picture5];
  EXPECT_EQ(std::tuple(countdown.left(), countdown.top(), countdown.width(), countdown.height()),
            std::tuple(reciting.left(), reciting.top(), reciting.width(), reciting.height()));
  click("5");
  advance(1499);
  EXPECT_FALSE(countdown.visible());
  advance(1);  // the poll finds the end: a pause of 3480 ms starts
  EXPECT_TRUE(countdown.visible());
  EXPECT_EQ(countdown.length(), 3480);
  const std::pair<std::int64_t, const char*> secondsLeft[] = {
      {0, "٤"}, {479, "٤"}, {1, "٣"}, {999, "٣"}, {1, "٢"}, {1000, "١"}, {999, "١"}};
  for (const auto& [after, shown] : secondsLeft) {
    advance(after);
    EXPECT_EQ(countdown.caption(), shown) << program.clock.now();
    EXPECT_TRUE(countdown.visible()) << program.clock.now();
  }
  EXPECT_FALSE(reciting.visible());
  advance(1);  // the next play starts
  EXPECT_EQ(loads.back(), (Load{4980, "5-1.gif"}));
  EXPECT_FALSE(countdown.visible());
  EXPECT_TRUE(reciting.visible());
  advance(5000);
  EXPECT_FALSE(countdown.visible());
}

TEST_F(Sequencer, WithoutPauseModeNoCountdownShows) {
  addMovies({"5-1.gif"});
  form()[form1::Repeat].setText("2");
  click("5");
  advance(500);  // the play has ended; the next starts 5 ms later
  EXPECT_TRUE(form()[form1::Timer2].running());
  EXPECT_FALSE(form().countdown().visible());
}

TEST_F(Sequencer, TwoMoviesOfOneVerseAreReadInNameOrderAfterWidening) {
  addMovies({"5-2.gif", "5-1.gif", "6-1.gif"});
  form()[form1::Repeat].setText("2");
  click("5");
  EXPECT_EQ(form()[form1::File1].pattern(), "5-*.*");
  advance(3000);
  EXPECT_THAT(
      loads, ElementsAre(Load{0, "5-1.gif"}, Load{505, "5-1.gif"}, Load{1010, "5-2.gif"},
                         Load{1515, "5-2.gif"}, Load{2015, "2 blank.gif"}, Load{2015, "Menu.gif"}));
}

TEST_F(Sequencer, AWholeChapterReadingNeverWidens) {
  addMovies({"1-001.gif", "1-002.gif", "2-001.gif", "z1-001.gif", "menu.gif"});
  // What the whole-chapter button leaves before it starts the reading.
  form().run(form1::reset);
  form()[form1::kind].setCaption("all");
  FileListBox& files = form()[form1::File1];
  files.setPattern("?-???.gif;??-???.gif");
  files.setListIndex(0);
  patterns.clear();
  loads.clear();
  form().run(form1::StopIt);
  advance(3000);
  EXPECT_THAT(patterns, IsEmpty());
  EXPECT_THAT(loads, ElementsAre(Load{0, "1-001.gif"}, Load{505, "1-002.gif"},
                                 Load{1010, "2-001.gif"}, Load{1515, "z1-001.gif"},
                                 Load{2015, "2 blank.gif"}, Load{2015, "Menu.gif"}));
}

TEST_F(Sequencer, ARangeReadsEachEntryBackToBackThenStopsThroughStopIt) {
  addMovies({"7-1.gif", "8-1.gif", "9-1.gif"});
  form()[form1::Repeat].setText("2");
  form()[form1::Image24].click();
  click("7");
  loads.clear();
  countMenuRuns();
  click("9");
  advance(4000);
  EXPECT_THAT(
      loads,
      ElementsAre(Load{0, "7-1.gif"}, Load{500, "7-1.gif"}, Load{1000, "8-1.gif"},
                  Load{1500, "8-1.gif"}, Load{2000, "9-1.gif"}, Load{2500, "9-1.gif"},
                  // StopIt's stop, then the two runs of Menu
                  Load{3000, "2 blank.gif"}, Load{3000, "9-1.gif"}, Load{3000, "2 blank.gif"},
                  Load{3000, "Menu.gif"}, Load{3000, "2 blank.gif"}, Load{3000, "Menu.gif"}));
  EXPECT_EQ(flash1().stops, 1);
  EXPECT_EQ(menuRuns, 2);
  EXPECT_EQ(program.sound.beeps, 0);
  EXPECT_EQ(state().RangeMode, 0);
  EXPECT_EQ(state().VerseIndex, 0);
  EXPECT_EQ(form()[form1::File1].pattern(), "X.x");
  EXPECT_EQ(form()[form1::File1].listCount(), 0);
  EXPECT_EQ(form()[form1::StopIt].caption(), "On");
  EXPECT_EQ(caption(form1::Label6), "1");
  expectIdleTimers();
}

TEST_F(Sequencer, ARangeInPauseModePollsAtItsPeriodWithoutBeeping) {
  addMovies({"7-1.gif", "8-1.gif"}, MovieLength{300, 25});
  form()[form1::Image5[0]].click();  // a pause of 1 second
  form()[form1::Image24].click();
  click("7");
  loads.clear();
  click("8");
  advance(5000);
  EXPECT_THAT(loads,
              ElementsAre(Load{0, "7-1.gif"}, Load{500, "8-1.gif"}, Load{1000, "2 blank.gif"},
                          Load{1000, "8-1.gif"}, Load{1000, "2 blank.gif"}, Load{1000, "Menu.gif"},
                          Load{1000, "2 blank.gif"}, Load{1000, "Menu.gif"}));
  EXPECT_EQ(form()[form1::Text1].text(), "2000");  // 1000 + 25 frames of 40 ms
  EXPECT_EQ(program.sound.beeps, 0);
  EXPECT_FALSE(form().countdown().visible());
}

TEST_F(Sequencer, AContinuousRangeStartsAgainUntilTheStopButton) {
  addMovies({"7-1.gif", "8-1.gif"});
  form()[form1::Image23].click();
  EXPECT_EQ(form()[form1::Check3].value(), 1);
  click("7");
  loads.clear();
  click("8");
  advance(2100);
  EXPECT_THAT(loads, ElementsAre(Load{0, "7-1.gif"}, Load{500, "8-1.gif"}, Load{1000, "7-1.gif"},
                                 Load{1500, "8-1.gif"}, Load{2000, "7-1.gif"}));
  form()[form1::playing].click();
  loads.clear();
  advance(10000);
  EXPECT_THAT(loads, IsEmpty());
  EXPECT_FALSE(form()[form1::Timer2].running());
}

TEST_F(Sequencer, TheStopButtonEndsAPlayAndResets) {
  addMovies({"5-1.gif"}, MovieLength{10000, 100});
  form()[form1::Image5[2]].click();  // Text1 3000
  form()[form1::List1].addItem("7-1.gif");
  click("5");
  advance(700);
  const int sounds = clickSounds();
  loads.clear();
  form()[form1::playing].click();
  EXPECT_THAT(form()[form1::List1].items(), IsEmpty());
  EXPECT_EQ(clickSounds() - sounds, 2);
  EXPECT_THAT(loads, ElementsAre(Load{700, "2 blank.gif"}, Load{700, "Menu.gif"}));
  EXPECT_EQ(form()[form1::Text1].text(), "500");
  EXPECT_EQ(form()[form1::StopIt].caption(), "On");
  EXPECT_EQ(caption(form1::kind), "0");
  EXPECT_FALSE(form()[form1::playing].visible());
  EXPECT_FALSE(form()[form1::Picture5].visible());
  EXPECT_EQ(form()[form1::Check4].value(), 1);  // the pause stays chosen
  EXPECT_EQ(caption(form1::Label7), "3");
}

TEST_F(Sequencer, StopAnyReadingStopsAPlayOrAPauseAndLeavesAnIdleScreenAlone) {
  addMovies({"5-1.gif"}, MovieLength{1000, 100});
  form()[form1::Repeat].setText("2");
  form()[form1::Image5[2]].click();  // pause mode, 3 s
  const std::pair<const char*, std::int64_t> moments[] = {{"playing", 500}, {"pausing", 2000}};
  for (const auto& [when, after] : moments) {
    form().run(form1::reset);
    click("5");
    advance(after);
    ASSERT_TRUE(form()[form1::playing].visible()) << when;
    loads.clear();
    stopAnyReading(form());
    EXPECT_THAT(loads, ElementsAre(Load{loads.at(0).first, "2 blank.gif"},
                                   Load{loads.at(0).first, "Menu.gif"}))
        << when;
    EXPECT_EQ(form()[form1::StopIt].caption(), "On") << when;
    advance(20000);
    EXPECT_EQ(loads.size(), 2u) << when;
  }
  const int sounds = clickSounds();
  stopAnyReading(form());
  EXPECT_EQ(clickSounds(), sounds);
  EXPECT_EQ(loads.size(), 2u);
}

TEST_F(Sequencer, StopItWhileReadingStopsAndShowsTheMenu) {
  addMovies({"5-1.gif"}, MovieLength{10000, 100});
  click("5");
  loads.clear();
  form().run(form1::StopIt);
  EXPECT_THAT(loads, ElementsAre(Load{0, "2 blank.gif"}, Load{0, "5-1.gif"}, Load{0, "2 blank.gif"},
                                 Load{0, "Menu.gif"}));
  EXPECT_EQ(flash1().stops, 1);
  EXPECT_EQ(form()[form1::StopIt].caption(), "On");
  expectIdleTimers();
}

TEST_F(Sequencer, ReadAtTheEndOfTheFileListOnlyGoesBackToTheStart) {
  addMovies({"5-1.gif"});
  form()[form1::File1].setPattern("5-*.gif");
  form()[form1::StopIt].setCaption("Off");
  form()[form1::Picture5].setVisible(true);
  state().VerseIndex = 1;
  form().run(form1::Read);
  EXPECT_EQ(state().VerseIndex, 0);
  EXPECT_FALSE(form()[form1::Picture5].visible());
  EXPECT_THAT(loads, IsEmpty());
  EXPECT_EQ(form()[form1::StopIt].caption(), "Off");
  EXPECT_TRUE(form()[form1::Timer1].running());
}

TEST_F(Sequencer, APollWhileIdleChangesNothing) {
  const std::string frameCaption = caption(form1::Label1);
  flash1().playing = false;
  flash1().frame = 30;
  advance(2000);
  EXPECT_EQ(caption(form1::Label1), frameCaption);
  EXPECT_EQ(caption(form1::Breath), "0");
  EXPECT_EQ(state().RepeatsDone, 0);
  EXPECT_THAT(loads, IsEmpty());
}

TEST_F(Sequencer, ACountChangedDuringAReadingCountsFromTheNextEndedPlay) {
  addMovies({"5-1.gif"});
  form()[form1::Repeat].setText("3");
  click("5");
  advance(600);  // one play counted
  form()[form1::Repeat].setText("2");
  advance(3000);
  EXPECT_THAT(loads, ElementsAre(Load{0, "5-1.gif"}, Load{505, "5-1.gif"},
                                 Load{1005, "2 blank.gif"}, Load{1005, "Menu.gif"}));
}

TEST_F(Sequencer, ResetReturnsEveryReadingValueToItsStart) {
  addMovies({"5-1.gif"}, MovieLength{10000, 100});
  state().MenuMovie = "Menu2.gif";
  click("5");
  form()[form1::Check2].setValue(1);
  form()[form1::Label4].setCaption("7");
  form()[form1::Label5].setCaption("9");
  form()[form1::Text1].setText("4000");
  form()[form1::Check3].setValue(1);
  state().RepeatsDone = 2;
  loads.clear();
  const int sounds = clickSounds();
  form().run(form1::reset);
  EXPECT_EQ(clickSounds() - sounds, 1);
  EXPECT_THAT(loads, ElementsAre(Load{0, "2 blank.gif"}, Load{0, "Menu2.gif"}));
  EXPECT_EQ(form()[form1::StopIt].caption(), "On");
  EXPECT_EQ(caption(form1::Label4), "0");
  EXPECT_EQ(caption(form1::Label5), "0");
  EXPECT_EQ(form()[form1::Text1].text(), "500");
  EXPECT_EQ(state().RangeMode, 0);
  EXPECT_EQ(state().VerseIndex, 0);
  EXPECT_EQ(form()[form1::Check2].value(), 0);
  EXPECT_EQ(caption(form1::kind), "0");
  EXPECT_FALSE(form()[form1::Picture5].visible());
  EXPECT_FALSE(form()[form1::playing].visible());
  // Left as they were:
  EXPECT_EQ(state().RepeatsDone, 2);
  EXPECT_EQ(state().VerseFile, "5-1.gif");
  EXPECT_EQ(form()[form1::Check3].value(), 1);
}

}  // namespace
}  // namespace hifz
