#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "recitation_fixture.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::Load;

class VerseSelection : public testing::RecitationTest {};

struct KeyCase {
  const char* args;
  const char* pattern;  // File1's pattern afterwards
  const char* verse;    // the verse number, as range choosing writes it into Label4
};

TEST_F(VerseSelection, VerseKeysMatchExactlyAndNameTheVerseCodePattern) {
  const KeyCase cases[] = {
      {"1", "1-*.gif", "1"},   {"20", "k-*.gif", "20"},  {"21", "l-*.gif", "21"},
      {"10", "a-*.gif", "10"}, {"35", "z1-*.gif", "35"}, {"47", "zd-*.gif", "47"},
      {"48", "before", "0"},   {"01", "before", "0"},    {" 1", "before", "0"},
      {"1.0", "before", "0"},  {"", "before", "0"},      {"0", "before", "0"},
  };
  for (const KeyCase& c : cases) {
    form()[form1::File1].setPattern("before");
    form()[form1::Check2].setValue(0);
    form()[form1::Check2].setValue(1);
    click(c.args);
    EXPECT_EQ(form()[form1::File1].pattern(), c.pattern) << '"' << c.args << '"';
    EXPECT_EQ(caption(form1::Label4), c.verse) << '"' << c.args << '"';
  }
}

TEST_F(VerseSelection, CommandAndArgsAreComparedLowerCased) {
  flash1().raiseFSCommand("CLICK", "20");
  EXPECT_EQ(form()[form1::File1].pattern(), "k-*.gif");
}

TEST_F(VerseSelection, AVerseClickStartsAReadingOfTheVerse) {
  addMovies({"k-1.gif"});
  state().RepeatsDone = 2;
  form()[form1::StopIt].setCaption("Off");  // whatever it read before, a verse click starts
  click("20");
  EXPECT_THAT(loads, ElementsAre(Load{0, "k-1.gif"}));
  EXPECT_EQ(flash1().plays, 1);
  EXPECT_EQ(form()[form1::StopIt].caption(), "Off");
  EXPECT_EQ(state().RepeatsDone, 0);
  EXPECT_EQ(state().VerseFile, "k-1.gif");
}

TEST_F(VerseSelection, NoVerseKeyReadsWhatTheFileListHolds) {
  addMovies({"5-1.gif"});
  form()[form1::File1].setPattern("5-*.gif");
  for (const auto& [command, args] : {std::pair{"click", "48"}, std::pair{"press", "7"}}) {
    form().run(form1::reset);
    loads.clear();
    state().RepeatsDone = 2;
    flash1().raiseFSCommand(command, args);
    EXPECT_EQ(form()[form1::File1].pattern(), "5-*.gif") << command;
    EXPECT_THAT(loads, ElementsAre(Load{0, "5-1.gif"})) << command;
    EXPECT_EQ(state().RepeatsDone, 0) << command;
  }
}

TEST_F(VerseSelection, WithoutAutoStartAVerseClickOnlySetsTheList) {
  addMovies({"5-1.gif"});
  form()[form1::Check1].setValue(0);
  state().RepeatsDone = 2;
  click("5");
  EXPECT_EQ(form()[form1::File1].pattern(), "5-*.gif");
  EXPECT_THAT(loads, IsEmpty());
  EXPECT_EQ(form()[form1::StopIt].caption(), "On");
  EXPECT_EQ(state().RepeatsDone, 0);
}

TEST_F(VerseSelection, PageKeysShowAnotherPageAndTouchNothingElse) {
  const std::pair<const char*, const char*> pages[] = {
      {"99", "Menu2.gif"}, {"98", "Menu.gif"}, {"97", "Menu3.gif"}};
  for (const auto& [key, page] : pages) {
    form()[form1::File1].setPattern("7-*.gif");
    form()[form1::Check2].setValue(1);
    form()[form1::Label4].setCaption("7");
    state().RepeatsDone = 2;
    loads.clear();
    click(key);
    EXPECT_THAT(loads, ElementsAre(Load{0, "2 blank.gif"}, Load{0, page})) << key;
    EXPECT_EQ(flash1().movie(), "C:\\Hifz\\data\\1-1\\An Nas\\" + std::string(page));
    EXPECT_EQ(state().MenuMovie, page);
    EXPECT_EQ(form()[form1::File1].pattern(), "7-*.gif");
    EXPECT_EQ(form()[form1::Check2].value(), 1);
    EXPECT_EQ(caption(form1::Label4), "7");
    EXPECT_EQ(caption(form1::Label5), "0");
    EXPECT_EQ(state().RepeatsDone, 2);
  }
  form().run(form1::Menu);
  EXPECT_EQ(loads.back(), (Load{0, "Menu3.gif"}));
}

TEST_F(VerseSelection, WhileTheOptionsPanelIsShownClicksAreIgnored) {
  addMovies({"5-1.gif"});
  form()[form1::File1].setPattern("before");
  form()[form1::Picture9].setVisible(true);
  state().RepeatsDone = 2;
  for (const char* args : {"5", "97", "48"}) click(args);
  EXPECT_THAT(loads, IsEmpty());
  EXPECT_EQ(form()[form1::File1].pattern(), "before");
  EXPECT_EQ(state().MenuMovie, "Menu.gif");
  EXPECT_EQ(state().RepeatsDone, 2);
  EXPECT_EQ(form()[form1::StopIt].caption(), "On");
}

TEST_F(VerseSelection, RangeChoiceTakesAFirstVerseThenAHigherOne) {
  addMovies({"7-1.gif", "c-1.gif"});
  form()[form1::Check2].setValue(1);
  state().RepeatsDone = 2;
  click("7");
  EXPECT_EQ(caption(form1::Label4), "7");
  click("3");
  click("7");
  EXPECT_EQ(caption(form1::Label4), "7");
  EXPECT_EQ(caption(form1::Label5), "0");
  EXPECT_EQ(form()[form1::Check2].value(), 1);
  EXPECT_THAT(loads, IsEmpty());
  click("12");
  EXPECT_EQ(caption(form1::Label5), "12");
  EXPECT_EQ(form()[form1::Check2].value(), 0);
  EXPECT_THAT(loads, ElementsAre(Load{0, "7-1.gif"}));
  EXPECT_EQ(state().RepeatsDone, 2);  // the range choice leaves the count alone
}

TEST_F(VerseSelection, APageKeyBetweenTheTwoRangeClicksKeepsTheChoice) {
  addMovies({"7-1.gif", "8-1.gif"});
  form()[form1::Check2].setValue(1);
  click("7");
  click("99");
  click("8");
  EXPECT_EQ(caption(form1::Label4), "7");
  EXPECT_EQ(caption(form1::Label5), "8");
  EXPECT_THAT(form()[form1::List1].items(), ElementsAre("7-1.gif", "8-1.gif"));
}

}  // namespace
}  // namespace hifz
