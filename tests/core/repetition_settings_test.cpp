#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "recitation_fixture.h"

namespace hifz {
namespace {

using testing::Load;

class RepetitionSettings : public testing::RecitationTest {};

struct ArrowCase {
  const char* arrow;
  const char* before;
  const char* after;
  bool sounds;
};

TEST_F(RepetitionSettings, ArrowsStepTheCountAndStopOnlyAtOneAndSix) {
  const ArrowCase cases[] = {
      {"Label8", "1", "1", false},
      {"Label9", "6", "6", false},
      {"Label8", "3", "2", true},
      {"Label9", "3", "4", true},
      {"Label8", "6", "5", true},
      {"Label9", "1", "2", true},
      // Counts typed outside 1 to 6 are stepped on without limit.
      {"Label9", "9", "10", true},
      {"Label8", "0", "-1", true},
      {"Label8", "7", "6", true},
  };
  for (const ArrowCase& c : cases) {
    form().textBox("Repeat").setText(c.before);
    const int sounds = clickSounds();
    form().control(c.arrow).click();
    EXPECT_EQ(form().textBox("Repeat").text(), c.after) << c.arrow << " at " << c.before;
    EXPECT_EQ(clickSounds() - sounds, c.sounds ? 1 : 0) << c.arrow << " at " << c.before;
  }
}

TEST_F(RepetitionSettings, LeftArrowDownToThePlaysDoneStopsTheReading) {
  addMovies({"5-1.gif"});
  form().textBox("Repeat").setText("3");
  click("5");
  advance(1010);  // two plays done, the third started
  ASSERT_EQ(state().RepeatsDone, 2);
  form().control("Label8").click();
  EXPECT_EQ(form().textBox("Repeat").text(), "2");
  EXPECT_EQ(form().button("StopIt").caption(), "Off");
  loads.clear();
  form().control("Label8").click();
  EXPECT_EQ(form().textBox("Repeat").text(), "1");
  EXPECT_EQ(form().button("StopIt").caption(), "On");
  EXPECT_EQ(loads.back(), (Load{1010, "Menu.gif"}));
}

TEST_F(RepetitionSettings, KeypadKeysChooseAPauseOfOneToNineSeconds) {
  for (int key = 0; key < 9; ++key) {
    form().checkBox("Check4").setValue(0);
    const int sounds = clickSounds();
    form().image("Image5(" + std::to_string(key) + ")").click();
    EXPECT_EQ(form().checkBox("Check4").value(), 1) << key;
    EXPECT_EQ(form().textBox("Text1").text(), std::to_string((key + 1) * 1000)) << key;
    EXPECT_EQ(caption("Label7"), std::to_string(key + 1)) << key;
    EXPECT_EQ(caption("Label14"), "1") << key;
    EXPECT_EQ(clickSounds() - sounds, 1) << key;
  }
}

TEST_F(RepetitionSettings, NoPauseTurnsThePauseOffAndKeepsTheInterval) {
  form().image("Image5(8)").click();
  const int sounds = clickSounds();
  form().image("Image25").click();
  EXPECT_EQ(form().checkBox("Check4").value(), 0);
  EXPECT_EQ(caption("Label14"), "0");
  EXPECT_EQ(caption("Label7"), "1");
  EXPECT_EQ(form().textBox("Text1").text(), "9000");
  EXPECT_EQ(clickSounds() - sounds, 1);
}

TEST_F(RepetitionSettings, AResetAfterAKeyRestoresOnlyThePollPeriod) {
  form().image("Image5(3)").click();
  form().run("reset");
  EXPECT_EQ(form().textBox("Text1").text(), "500");
  EXPECT_EQ(form().checkBox("Check4").value(), 1);
  EXPECT_EQ(caption("Label7"), "4");
}

TEST_F(RepetitionSettings, CloseButtonHidesTheOptionsPanel) {
  form().panel("Picture9").setVisible(true);
  const int sounds = clickSounds();
  form().image("Image18").click();
  EXPECT_FALSE(form().panel("Picture9").visible());
  EXPECT_EQ(clickSounds() - sounds, 1);
}

TEST_F(RepetitionSettings, RangePanelAnswersSetContinuousRangeAndStartChoosing) {
  for (const auto& [answer, continuous] : {std::pair{"Image23", 1}, std::pair{"Image24", 0}}) {
    form().run("reset");
    form().checkBox("Check3").setValue(1 - continuous);
    form().panel("Picture4").setVisible(true);
    const int sounds = clickSounds();
    form().image(answer).click();
    EXPECT_EQ(form().checkBox("Check3").value(), continuous) << answer;
    EXPECT_EQ(clickSounds() - sounds, 1) << answer;
    EXPECT_FALSE(form().panel("Picture4").visible()) << answer;
    EXPECT_EQ(form().checkBox("Check2").value(), 1) << answer;
    EXPECT_EQ(state().RangeMode, 1) << answer;
  }
}

}  // namespace
}  // namespace hifz
