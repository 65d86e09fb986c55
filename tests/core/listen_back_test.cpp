#include "recitation/listen_back.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "recitation_fixture.h"
#include "sound_blocks.h"

namespace hifz {
namespace {

using testing::kQuietRoom;
using testing::kVoice;
using testing::Load;
using testing::MovieLength;

// Verse 5 twice, its turn between the plays recorded: five seconds on top of
// its 1400 ms.
class ListenBackTest : public testing::RecitationTest {
 protected:
  void SetUp() override {
    RecitationTest::SetUp();
    state().MenuMovie = "Menu.gif";
    addMovies({"5-1.gif"}, MovieLength{1400, 37});
    form()[form1::Image5[4]].click();
    form()[form1::Repeat].setText("2");
    form()[form1::RecordTurnOption].click();
  }
  void speak(int ms, std::int16_t amplitude) {
    testing::speakInto(program.microphone, program.clock, ms, amplitude);
  }
  // The verse, the learner's second of voice in the turn, the verse again.
  void reciteOnce() {
    click("5");
    advance(1500);
    speak(500, kQuietRoom);
    speak(1000, kVoice);
    speak(1000, kQuietRoom);
    advance(6480 - 2500 + 2000);
  }
  bool offered() {
    return form()[form1::ListenBack].visible() && form()[form1::KeepTake].visible();
  }
};

TEST_F(ListenBackTest, AfterTheReadingTheTakeIsHeardThenTheVerseThenTheMenuComesBack) {
  reciteOnce();
  ASSERT_FALSE(form()[form1::playing].visible()) << "the reading has ended";
  EXPECT_TRUE(offered());
  const std::size_t loaded = loads.size();
  form()[form1::ListenBack].click();
  EXPECT_THAT(program.takePlayer.played, ::testing::ElementsAre(std::pair(1100U * 16, 16000)));
  EXPECT_EQ(loads.size(), loaded) << "the verse waits for the take";
  const std::int64_t takeEnd = program.clock.now() + 1100;
  advance(1100);
  program.takePlayer.end();
  EXPECT_EQ(loads.back(), (Load{takeEnd, "5-1.gif"}));
  EXPECT_TRUE(flash1().playing);
  advance(1400 + 250);
  EXPECT_EQ(loads.back(), (Load{takeEnd + 1500, "Menu.gif"}));
  EXPECT_TRUE(offered()) << "to be heard again";
}

TEST_F(ListenBackTest, WithoutATakeNothingIsOffered) {
  form()[form1::RecordTurnOption].click();
  reciteOnce();
  EXPECT_FALSE(offered());
}

TEST_F(ListenBackTest, AReadingThatBeginsSilencesTheTakeAndEmptiesTheShelf) {
  reciteOnce();
  form()[form1::ListenBack].click();
  ASSERT_TRUE(program.takePlayer.playing());
  click("5");
  EXPECT_FALSE(program.takePlayer.playing());
  EXPECT_EQ(program.takePlayer.stops, 1);
  EXPECT_FALSE(offered());
}

TEST_F(ListenBackTest, KeepWritesTheLastTakeAndSaysSo) {
  reciteOnce();
  form()[form1::KeepTake].click();
  ASSERT_EQ(program.takeFiles.kept.size(), 1U);
  EXPECT_EQ(program.takeFiles.kept[0].verse, (VerseKey{114, 5}));
  EXPECT_EQ(program.takeFiles.kept[0].takenAt, testing::TestProgram::kEpoch + 1500);
  EXPECT_EQ(caption(form1::TurnNote), "حُفظ تسجيلك");
  EXPECT_TRUE(form()[form1::TurnNote].visible());
  EXPECT_TRUE(program.diagnostics.lines.empty());
}

TEST_F(ListenBackTest, ATakeThatCannotBeWrittenOrPlayedIsSaid) {
  reciteOnce();
  program.takeFiles.refusal = "the disk is full";
  form()[form1::KeepTake].click();
  EXPECT_EQ(caption(form1::TurnNote), "تعذّر حفظ تسجيلك");
  EXPECT_THAT(program.diagnostics.lines,
              ::testing::ElementsAre("the take could not be kept: the disk is full"));
  program.takePlayer.broken = true;
  form()[form1::ListenBack].click();
  EXPECT_EQ(caption(form1::TurnNote), "تعذّر إسماعك");
}

}  // namespace
}  // namespace hifz
