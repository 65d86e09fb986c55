#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "recitation_fixture.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::Load;

class RangeSelection : public testing::RecitationTest {
 protected:
  // The range panel's "once" answer, as the user gives it.
  void chooseRangeOnce() { form()[form1::Image24].click(); }
};

TEST_F(RangeSelection, TwoClicksListTheRangeVerseByVerseAndReadIt) {
  addMovies({"7-1.gif", "7-2.swf", "8-1.gif", "a-1.gif", "c-1.gif", "d-1.gif"});
  chooseRangeOnce();
  click("7");
  patterns.clear();
  loads.clear();
  click("12");
  EXPECT_THAT(patterns,
              ElementsAre("c-*.gif", "7-*.*", "8-*.*", "9-*.*", "a-*.*", "b-*.*", "c-*.*"));
  EXPECT_THAT(form()[form1::List1].items(),
              ElementsAre("7-1.gif", "7-2.swf", "8-1.gif", "a-1.gif", "c-1.gif"));
  EXPECT_EQ(caption(form1::Label10), "7");
  EXPECT_EQ(caption(form1::Label13), "12");
  EXPECT_EQ(caption(form1::L4), "13");
  EXPECT_EQ(caption(form1::kind), "all");
  EXPECT_EQ(state().RangeMode, 1);
  EXPECT_EQ(state().VerseIndex, 0);
  EXPECT_EQ(form()[form1::StopIt].caption(), "Off");
  EXPECT_THAT(loads, ElementsAre(Load{0, "7-1.gif"}));
}

TEST_F(RangeSelection, TwoLetterCodesAreListedByTheirWholeCode) {
  const std::tuple<const char*, const char*, std::vector<std::string>> cases[] = {
      {"34", "36", {"y-*.*", "z1-*.*", "z2-*.*"}},
      {"43", "44", {"z9-*.*", "za-*.*"}},
      {"5", "5", {"5-*.*"}},
  };
  addMovies({"y-1.gif", "z1-1.gif", "z2-1.gif", "z3-1.gif", "5-1.gif"});
  for (const auto& [first, last, expected] : cases) {
    form()[form1::Label4].setCaption(first);
    form()[form1::Label5].setCaption(last);
    patterns.clear();
    form().run(form1::Range);
    EXPECT_EQ(patterns, expected) << first << ".." << last;
  }
  EXPECT_THAT(form()[form1::List1].items(), ElementsAre("5-1.gif"));
}

TEST_F(RangeSelection, Command2ReadsTheLastRangeAgainInRangeMode) {
  addMovies({"7-1.gif", "8-1.gif"});
  chooseRangeOnce();
  click("7");
  click("8");
  advance(2000);  // both verses read; the chapter menu is back
  ASSERT_EQ(state().RangeMode, 0);
  // The range just read stays shown, as the one a click on it reads again.
  ASSERT_EQ(caption(form1::Label4), "7");
  ASSERT_EQ(caption(form1::Label5), "8");
  loads.clear();
  form().run(form1::Command2);
  EXPECT_EQ(caption(form1::Label4), "7");
  EXPECT_EQ(caption(form1::Label5), "8");
  EXPECT_EQ(state().RangeMode, 1);
  EXPECT_THAT(form()[form1::List1].items(), ElementsAre("7-1.gif", "8-1.gif"));
  EXPECT_THAT(loads, ElementsAre(Load{2000, "7-1.gif"}));
}

// The range labels read the last range again when clicked, but only while
// nothing plays and no range is being chosen.
TEST_F(RangeSelection, AClickOnTheShownRangeReadsItAgainWhileIdle) {
  addMovies({"7-1.gif", "8-1.gif"});
  chooseRangeOnce();
  click("7");
  click("8");
  advance(2000);
  loads.clear();
  form()[form1::Label5].click();
  EXPECT_EQ(state().RangeMode, 1);
  EXPECT_THAT(loads, ElementsAre(Load{2000, "7-1.gif"}));
  form()[form1::Label4].click();  // while it plays
  EXPECT_THAT(loads, ElementsAre(Load{2000, "7-1.gif"}));
  advance(2000);
  chooseRangeOnce();
  loads.clear();
  form()[form1::Label4].click();  // while a range is being chosen
  EXPECT_THAT(loads, ::testing::IsEmpty());
  EXPECT_EQ(form()[form1::Check2].value(), 1);
}

TEST_F(RangeSelection, Command1ReadsEveryAllMovieInNameOrder) {
  addMovies({"2-all.gif", "1-all.gif", "1-001.gif", "12-all.gif"});
  form()[form1::Repeat].setText("2");
  form().run(form1::reset);  // as the whole-chapter button does first
  form()[form1::kind].setCaption("all");
  loads.clear();
  form().run(form1::Command1);
  EXPECT_EQ(form()[form1::File1].pattern(), "?-all.gif");
  advance(2500);
  EXPECT_THAT(loads, ElementsAre(Load{0, "1-all.gif"}, Load{505, "1-all.gif"},
                                 Load{1010, "2-all.gif"}, Load{1515, "2-all.gif"},
                                 Load{2015, "2 blank.gif"}, Load{2015, "Menu.gif"}));
}

TEST_F(RangeSelection, Command3StopsThePollAndStartsChoosing) {
  form()[form1::Picture4].setVisible(true);
  form()[form1::Picture5].setVisible(true);
  state().RepeatsDone = 2;
  form().run(form1::Command3);
  EXPECT_FALSE(form()[form1::Timer1].running());
  EXPECT_THAT(loads, ElementsAre(Load{0, "menu.gif"}));  // fadein
  EXPECT_EQ(state().RepeatsDone, 0);
  EXPECT_FALSE(form()[form1::Picture5].visible());
  EXPECT_EQ(form()[form1::Check2].value(), 1);
  EXPECT_EQ(caption(form1::Label4), "0");
  EXPECT_EQ(state().RangeMode, 1);
  EXPECT_FALSE(form()[form1::Picture4].visible());
}

TEST_F(RangeSelection, Command3WhileChoosingKeepsTheFirstBound) {
  form()[form1::Check2].setValue(1);
  click("7");
  form().run(form1::Command3);
  EXPECT_EQ(caption(form1::Label4), "7");
}

TEST_F(RangeSelection, CheckingCheck2ByHandStartsChoosingAndNothingElse) {
  form()[form1::Label4].setCaption("9");
  form()[form1::Picture4].setVisible(true);
  form()[form1::Check2].setValue(1);
  EXPECT_EQ(caption(form1::Label4), "0");
  EXPECT_EQ(state().RangeMode, 1);
  EXPECT_TRUE(form()[form1::Timer1].running());
  EXPECT_TRUE(form()[form1::Picture4].visible());
  EXPECT_THAT(loads, IsEmpty());

  form()[form1::Label4].setCaption("9");
  form()[form1::Check2].setValue(0);  // unchecking does nothing
  EXPECT_EQ(caption(form1::Label4), "9");
  EXPECT_EQ(state().RangeMode, 1);
}

}  // namespace
}  // namespace hifz
