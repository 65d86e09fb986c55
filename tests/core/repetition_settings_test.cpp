#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "recitation_fixture.h"

namespace hifz {
namespace {

using testing::Load;

class RepetitionSettings : public testing::RecitationTest {};

struct ArrowCase {
  ControlHandle<Form1, Label> arrow;
  const char* before;
  const char* after;
  bool sounds;
};

TEST_F(RepetitionSettings, ArrowsStepTheCountAndStopOnlyAtOneAndNinetyNine) {
  const ArrowCase cases[] = {
      {form1::Label8, "1", "1", false},
      {form1::Label9, "99", "99", false},
      {form1::Label9, "6", "7", true},
      {form1::Label8, "99", "98", true},
      {form1::Label9, "42", "43", true},
      {form1::Label8, "3", "2", true},
      {form1::Label9, "3", "4", true},
      {form1::Label8, "6", "5", true},
      {form1::Label9, "1", "2", true},
      // Counts outside 1 to 99 are stepped on without limit.
      {form1::Label9, "9", "10", true},
      {form1::Label8, "0", "-1", true},
      {form1::Label9, "100", "101", true},
  };
  for (const ArrowCase& c : cases) {
    form()[form1::Repeat].setText(c.before);
    const int sounds = clickSounds();
    form()[c.arrow].click();
    EXPECT_EQ(form()[form1::Repeat].text(), c.after) << c.arrow.name() << " at " << c.before;
    EXPECT_EQ(clickSounds() - sounds, c.sounds ? 1 : 0) << c.arrow.name() << " at " << c.before;
  }
}

struct HoldCase {
  const char* what;
  ControlHandle<Form1, Label> arrow;
  const char* before;
  std::int64_t heldMs;
  const char* after;
};

// Held down, an arrow steps after 500 ms, then every 150 ms, every 50 ms from
// its sixth step, and stops at the count's bounds; its release ends the hold
// and the click that comes with it is no step of its own.
TEST_F(RepetitionSettings, AHeldArrowStepsFasterTheLongerItIsHeld) {
  const HoldCase cases[] = {
      {"a quick click", form1::Label9, "1", 450, "2"},
      {"the first step", form1::Label9, "1", 500, "2"},
      {"slow steps", form1::Label9, "1", 500 + 4 * 150, "6"},
      {"fast steps", form1::Label9, "1", 500 + 4 * 150 + 10 * 50, "16"},
      {"down to one", form1::Label8, "20", 500 + 4 * 150 + 100 * 50, "1"},
      {"up to ninety-nine", form1::Label9, "90", 500 + 4 * 150 + 100 * 50, "99"},
  };
  for (const HoldCase& c : cases) {
    form()[form1::Repeat].setText(c.before);
    Label& arrow = form()[c.arrow];
    arrow.mouseDown({.button = 1});
    advance(c.heldMs);
    arrow.mouseUp({.button = 1});
    arrow.click();
    EXPECT_EQ(form()[form1::Repeat].text(), c.after) << c.what;
    advance(2000);
    EXPECT_EQ(form()[form1::Repeat].text(), c.after) << c.what << ", after the release";
  }
}

TEST_F(RepetitionSettings, AReleaseOffTheArrowEndsTheHoldAndTheRightButtonHoldsNothing) {
  Label& arrow = form()[form1::Label9];
  arrow.mouseDown({.button = 1});
  advance(650);
  arrow.mouseUp({.button = 1});  // no click follows: the pointer left the arrow
  advance(2000);
  EXPECT_EQ(form()[form1::Repeat].text(), "3");
  arrow.mouseDown({.button = 2});
  advance(2000);
  EXPECT_EQ(form()[form1::Repeat].text(), "3");
}

TEST_F(RepetitionSettings, ATypedCountOfTwoDigitsIsReadAndKept) {
  addMovies({"5-1.gif"});
  form()[form1::Repeat].typeText("12");
  EXPECT_EQ(form()[form1::Repeat].text(), "12");
  form()[form1::Image18].click();
  EXPECT_EQ(program.settings.kept.at("reading/repeat"), "12");
  click("5");
  advance(20000);
  const auto plays = std::count_if(loads.begin(), loads.end(),
                                   [](const Load& load) { return load.second == "5-1.gif"; });
  EXPECT_EQ(plays, 12);
}

TEST_F(RepetitionSettings, LeftArrowDownToThePlaysDoneStopsTheReading) {
  addMovies({"5-1.gif"});
  form()[form1::Repeat].setText("3");
  click("5");
  advance(1010);  // two plays done, the third started
  ASSERT_EQ(state().RepeatsDone, 2);
  form()[form1::Label8].click();
  EXPECT_EQ(form()[form1::Repeat].text(), "2");
  EXPECT_EQ(form()[form1::StopIt].caption(), "Off");
  loads.clear();
  form()[form1::Label8].click();
  EXPECT_EQ(form()[form1::Repeat].text(), "1");
  EXPECT_EQ(form()[form1::StopIt].caption(), "On");
  EXPECT_EQ(loads.back(), (Load{1010, "Menu.gif"}));
}

TEST_F(RepetitionSettings, KeypadKeysChooseAPauseOfOneToNineSeconds) {
  for (int key = 0; key < 9; ++key) {
    form()[form1::Check4].setValue(0);
    const int sounds = clickSounds();
    form()[form1::Image5.at(key)].click();
    EXPECT_EQ(form()[form1::Check4].value(), 1) << key;
    EXPECT_EQ(form()[form1::Text1].text(), std::to_string((key + 1) * 1000)) << key;
    EXPECT_EQ(caption(form1::Label7), std::to_string(key + 1)) << key;
    EXPECT_EQ(caption(form1::Label14), "1") << key;
    EXPECT_EQ(clickSounds() - sounds, 1) << key;
  }
}

TEST_F(RepetitionSettings, NoPauseTurnsThePauseOffAndKeepsTheInterval) {
  form()[form1::Image5[8]].click();
  const int sounds = clickSounds();
  form()[form1::Image25].click();
  EXPECT_EQ(form()[form1::Check4].value(), 0);
  EXPECT_EQ(caption(form1::Label14), "0");
  EXPECT_EQ(caption(form1::Label7), "1");
  EXPECT_EQ(form()[form1::Text1].text(), "9000");
  EXPECT_EQ(clickSounds() - sounds, 1);
}

TEST_F(RepetitionSettings, AResetAfterAKeyRestoresOnlyThePollPeriod) {
  form()[form1::Image5[3]].click();
  form().run(form1::reset);
  EXPECT_EQ(form()[form1::Text1].text(), "500");
  EXPECT_EQ(form()[form1::Check4].value(), 1);
  EXPECT_EQ(caption(form1::Label7), "4");
}

TEST_F(RepetitionSettings, CloseButtonHidesTheOptionsPanel) {
  form()[form1::Picture9].setVisible(true);
  const int sounds = clickSounds();
  form()[form1::Image18].click();
  EXPECT_FALSE(form()[form1::Picture9].visible());
  EXPECT_EQ(clickSounds() - sounds, 1);
}

TEST_F(RepetitionSettings, RangePanelAnswersSetContinuousRangeAndStartChoosing) {
  for (const auto& [answer, continuous] :
       {std::pair{form1::Image23, 1}, std::pair{form1::Image24, 0}}) {
    form().run(form1::reset);
    form()[form1::Check3].setValue(1 - continuous);
    form()[form1::Picture4].setVisible(true);
    const int sounds = clickSounds();
    form()[answer].click();
    EXPECT_EQ(form()[form1::Check3].value(), continuous) << answer.name();
    EXPECT_EQ(clickSounds() - sounds, 1) << answer.name();
    EXPECT_FALSE(form()[form1::Picture4].visible()) << answer.name();
    EXPECT_EQ(form()[form1::Check2].value(), 1) << answer.name();
    EXPECT_EQ(state().RangeMode, 1) << answer.name();
  }
}

}  // namespace
}  // namespace hifz
