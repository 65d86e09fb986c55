#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recitation_fixture.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::Load;
using testing::MovieLength;

class RangeDrill : public testing::RecitationTest {
 protected:
  void SetUp() override {
    RecitationTest::SetUp();
    addMovies({"7-1.gif", "8-1.gif", "9-1.gif", "a-1.gif"}, MovieLength{300, 25});
  }

  /// Verses `first` to `last` chosen on the range panel's drill button.
  void drill(int first, int last) {
    if (first == last) {
      // The chapter menu takes a higher second verse; the last range read again takes any.
      form()[form1::Check5].setValue(1);
      form()[form1::Label10].setCaption(std::to_string(first));
      form()[form1::Label13].setCaption(std::to_string(last));
      form().run(form1::Command2);
      return;
    }
    form()[form1::Image26].click();
    click(std::to_string(first));
    click(std::to_string(last));
  }

  /// The verse movies played in the main display: not the menu pages, nor the
  /// movie reloaded after the blank one when a reading stops.
  std::vector<std::string> versesHeard() const {
    std::vector<std::string> heard;
    for (std::size_t load = 0; load < loads.size(); ++load) {
      const std::string& name = loads[load].second;
      const bool afterBlank = load > 0 && loads[load - 1].second == "2 blank.gif";
      if (name.ends_with("-1.gif") && !afterBlank) heard.push_back(name);
    }
    return heard;
  }

  bool idle() { return form()[form1::StopIt].caption() == "On" && state().RangeMode == 0; }
};

struct DrillCase {
  int first;
  int last;
  const char* repeats;
  std::vector<std::string> heard;
};

// Each verse alone as often as the repeat count says, then the span from the
// first verse to it once; the drill ends with the whole range once.
TEST_F(RangeDrill, EachVerseAloneThenTheSpanSoFarOnce) {
  const std::vector<DrillCase> cases = {
      {7, 7, "1", {"7-1.gif"}},
      {7, 7, "3", {"7-1.gif", "7-1.gif", "7-1.gif"}},
      {7, 8, "1", {"7-1.gif", "8-1.gif", "7-1.gif", "8-1.gif"}},
      {7,
       8,
       "3",
       {"7-1.gif", "7-1.gif", "7-1.gif", "8-1.gif", "8-1.gif", "8-1.gif", "7-1.gif", "8-1.gif"}},
      {7,
       10,
       "1",
       {"7-1.gif", "8-1.gif", "7-1.gif", "8-1.gif", "9-1.gif", "7-1.gif", "8-1.gif", "9-1.gif",
        "a-1.gif", "7-1.gif", "8-1.gif", "9-1.gif", "a-1.gif"}},
      {7, 10, "3", {"7-1.gif", "7-1.gif", "7-1.gif", "8-1.gif", "8-1.gif", "8-1.gif", "7-1.gif",
                    "8-1.gif", "9-1.gif", "9-1.gif", "9-1.gif", "7-1.gif", "8-1.gif", "9-1.gif",
                    "a-1.gif", "a-1.gif", "a-1.gif", "7-1.gif", "8-1.gif", "9-1.gif", "a-1.gif"}},
  };
  for (const DrillCase& drillCase : cases) {
    SCOPED_TRACE(std::to_string(drillCase.first) + " to " + std::to_string(drillCase.last) +
                 ", repeat " + drillCase.repeats);
    form()[form1::Repeat].setText(drillCase.repeats);
    loads.clear();
    drill(drillCase.first, drillCase.last);
    advance(30000);
    EXPECT_THAT(versesHeard(), ElementsAreArray(drillCase.heard));
    EXPECT_TRUE(idle());
    EXPECT_EQ(program.sound.beeps, 0);
  }
}

TEST_F(RangeDrill, TheRangeLabelsShowTheVersesBeingReadTogether) {
  drill(7, 9);
  std::vector<std::string> shown;
  for (int play = 0; play < 6; ++play) {
    shown.push_back(caption(form1::Label4) + "-" + caption(form1::Label5));
    advance(500);
  }
  EXPECT_THAT(shown, ElementsAre("7-7", "8-8", "7-8", "7-8", "9-9", "7-9"));
}

TEST_F(RangeDrill, TheStopButtonEndsItMidway) {
  drill(7, 9);
  advance(1200);  // 7 alone, 8 alone, the span 7..8 begun
  form()[form1::playing].click();
  loads.clear();
  advance(10000);
  EXPECT_THAT(loads, ::testing::IsEmpty());
  EXPECT_TRUE(idle());
  EXPECT_EQ(form()[form1::List1].listCount(), 0);
  // The whole drilled range is shown again, as the last range.
  EXPECT_EQ(caption(form1::Label4), "7");
  EXPECT_EQ(caption(form1::Label5), "9");
  // A verse read afterwards is read as a verse, not as a part of the drill.
  click("9");
  advance(3000);
  EXPECT_THAT(versesHeard(), ElementsAre("9-1.gif"));
}

// In pause mode the learner gets a turn after each play of a verse alone and
// after each span, as long as the span took plus the chosen seconds.
TEST_F(RangeDrill, PauseModePausesAfterEachVerseAloneAndAfterEachSpan) {
  form()[form1::Image5[0]].click();  // 1 second
  drill(7, 8);
  advance(20000);
  // 7 alone: poll at 500, pause 1000 + 25 frames of 40 ms; 8 alone likewise;
  // the span 7..8 plays on without a pause inside it and ends the drill.
  EXPECT_THAT(loads,
              ElementsAre(Load{0, "menu.gif"}, Load{0, "7-1.gif"}, Load{2500, "8-1.gif"},
                          Load{5000, "7-1.gif"}, Load{5500, "8-1.gif"}, Load{6000, "2 blank.gif"},
                          Load{6000, "8-1.gif"}, Load{6000, "2 blank.gif"}, Load{6000, "Menu.gif"},
                          Load{6000, "2 blank.gif"}, Load{6000, "Menu.gif"}));
  EXPECT_EQ(program.sound.beeps, 2);
}

TEST_F(RangeDrill, ARangeWithoutEndPausesAfterTheWholeRangeAsLongAsItTook) {
  form()[form1::Image5[1]].click();  // 2 seconds
  form()[form1::Image23].click();
  click("7");
  click("9");
  advance(1400);
  // Within the range it plays on: no pause, no beep.
  EXPECT_THAT(versesHeard(), ElementsAre("7-1.gif", "8-1.gif", "9-1.gif"));
  EXPECT_EQ(program.sound.beeps, 0);
  advance(200);  // the poll at 1500 finds the range's last verse ended
  EXPECT_EQ(program.sound.beeps, 1);
  EXPECT_TRUE(form().countdown().visible());
  // 2000 ms and three verses of 25 frames of 40 ms: 5000 ms from that poll.
  EXPECT_EQ(form()[form1::Text1].text(), "5000");
  advance(4850);
  EXPECT_EQ(versesHeard().size(), 3U);
  advance(200);
  EXPECT_THAT(versesHeard(), ElementsAre("7-1.gif", "8-1.gif", "9-1.gif", "7-1.gif"));
  EXPECT_FALSE(form().countdown().visible());
}

}  // namespace
}  // namespace hifz
