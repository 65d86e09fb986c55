#include "recitation/learners_turn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "recitation_fixture.h"

namespace hifz {
namespace {

using testing::MovieLength;

class LearnersTurn : public testing::RecitationTest {
 protected:
  bool covered() { return form()[form1::VerseCover].visible(); }
  // Pause mode, one second on top of a verse of 1400 ms, two plays.
  void readVerseFiveWithPauses() {
    addMovies({"5-1.gif"}, MovieLength{1400, 37});
    form()[form1::Image5[0]].click();
    form()[form1::Repeat].setText("2");
    click("5");
  }
};

TEST_F(LearnersTurn, TheTurnOptionsShowWithTheOptionsPanelEachWithItsBox) {
  form()[form1::Image19].click();
  EXPECT_TRUE(form()[form1::TurnOptions].visible());
  EXPECT_EQ(caption(form1::HideVerseOption), "☐ أخفِ الآية في دوري");
  EXPECT_EQ(caption(form1::RecordTurnOption), "☐ سجّل دوري");
  EXPECT_EQ(caption(form1::EndOnSilenceOption), "☐ انتهِ عند سكوتي");
  const int sounds = clickSounds();
  form()[form1::HideVerseOption].click();
  EXPECT_EQ(form()[form1::HideVerse].value(), 1);
  EXPECT_EQ(caption(form1::HideVerseOption), "☑ أخفِ الآية في دوري");
  EXPECT_EQ(clickSounds() - sounds, 1);
  EXPECT_EQ(program.settings.kept.at("turn/hideVerse"), "true");
  form()[form1::HideVerseOption].click();
  EXPECT_EQ(caption(form1::HideVerseOption), "☐ أخفِ الآية في دوري");
  EXPECT_EQ(program.settings.kept.at("turn/hideVerse"), "false");
  form()[form1::Image18].click();
  EXPECT_FALSE(form()[form1::TurnOptions].visible());
}

// The verse is covered from the beep to the next play, and never while it plays.
TEST_F(LearnersTurn, HideTheVerseCoversItForTheTurnOnly) {
  form()[form1::HideVerseOption].click();
  readVerseFiveWithPauses();
  advance(1499);
  EXPECT_FALSE(covered()) << "while the verse plays";
  advance(1);
  EXPECT_TRUE(form().countdown().visible());
  EXPECT_TRUE(covered()) << "as the turn begins";
  advance(2479);
  EXPECT_TRUE(covered()) << "until the turn's last moment";
  advance(1);
  EXPECT_TRUE(form()[form1::Picture5].visible()) << "the next play";
  EXPECT_FALSE(covered()) << "the next play";
}

TEST_F(LearnersTurn, StoppingDuringTheTurnUncoversTheVerse) {
  form()[form1::HideVerseOption].click();
  readVerseFiveWithPauses();
  advance(2000);
  ASSERT_TRUE(covered());
  form()[form1::playing].click();
  EXPECT_FALSE(covered());
  EXPECT_FALSE(form().countdown().visible());
}

TEST_F(LearnersTurn, WithoutTheOptionTheVerseStaysInView) {
  readVerseFiveWithPauses();
  advance(2000);
  ASSERT_TRUE(form().countdown().visible());
  EXPECT_FALSE(covered());
}

}  // namespace
}  // namespace hifz
