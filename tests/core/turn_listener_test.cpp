#include "recitation/turn_listener.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "recitation_fixture.h"
#include "sound_blocks.h"

namespace hifz {
namespace {

using testing::kQuietRoom;
using testing::kVoice;
using testing::Load;
using testing::MovieLength;

constexpr std::int64_t kTurnStart = 1500;
// Five seconds on top of a verse of 37 frames: 5000 + 1480 ms.
constexpr std::int64_t kTurnLength = 6480;

class TurnListening : public testing::RecitationTest {
 protected:
  void SetUp() override {
    RecitationTest::SetUp();
    // This listener takes the turn; the program's own is kept alive, idle,
    // as it stays one of the stop button's observers.
    note = std::make_unique<TurnNote>(form());
    listener = std::make_shared<TurnListener>(form(), *note);
    wired = {std::move(form()[form1::TurnBegins].onClick),
             std::move(form()[form1::TurnEnds].onClick)};
    form()[form1::TurnBegins].onClick = [this] { listener->turnBegins(); };
    form()[form1::TurnEnds].onClick = [this] { listener->turnEnds(); };
    addMovies({"5-1.gif"}, MovieLength{1400, 37});
    form()[form1::Image5[4]].click();
    form()[form1::Repeat].setText("2");
  }

  void speak(int ms, std::int16_t amplitude) {
    testing::speakInto(program.microphone, program.clock, ms, amplitude);
  }
  void untilTheTurn() {
    click("5");
    advance(kTurnStart);
    ASSERT_TRUE(form().countdown().visible());
  }
  const TakeShelf& takes() { return listener->takes(); }
  bool marked() { return form()[form1::RecordingMark].visible(); }

  std::unique_ptr<TurnNote> note;
  std::shared_ptr<TurnListener> listener;
  std::pair<std::function<void()>, std::function<void()>> wired;
};

TEST_F(TurnListening, WithRecordingOffNothingListens) {
  untilTheTurn();
  EXPECT_EQ(program.microphone.starts, 0);
  EXPECT_FALSE(marked());
}

TEST_F(TurnListening, TheTurnIsRecordedAndTheVoiceKeptAsTheVersesTake) {
  form()[form1::RecordTurnOption].click();
  untilTheTurn();
  EXPECT_TRUE(program.microphone.listening);
  EXPECT_TRUE(marked());
  speak(500, kQuietRoom);
  speak(1000, kVoice);
  speak(2000, kQuietRoom);
  advance(kTurnLength - 3500);
  EXPECT_EQ(loads.back(), (Load{kTurnStart + kTurnLength, "5-1.gif"})) << "the turn ran its time";
  EXPECT_FALSE(program.microphone.listening);
  EXPECT_EQ(program.microphone.stops, 1);
  EXPECT_FALSE(marked());
  ASSERT_EQ(takes().size(), 1U);
  const Take& take = *takes().last();
  EXPECT_EQ(take.verse, (VerseKey{114, 5}));
  // The voice and 50 ms on each side.
  EXPECT_EQ(take.samples.size(), 1100U * 16);
  EXPECT_EQ(take.sampleRate, 16000);
  EXPECT_EQ(take.takenAt, testing::TestProgram::kEpoch + kTurnStart);
}

TEST_F(TurnListening, ANewReadingStartsWithNoTake) {
  form()[form1::RecordTurnOption].click();
  untilTheTurn();
  speak(500, kQuietRoom);
  speak(1000, kVoice);
  form()[form1::playing].click();
  EXPECT_EQ(takes().size(), 1U) << "a stopped turn keeps what was said";
  click("5");
  EXPECT_EQ(takes().size(), 0U);
}

TEST_F(TurnListening, ATurnWithoutVoiceKeepsNoTake) {
  form()[form1::RecordTurnOption].click();
  untilTheTurn();
  speak(3000, kQuietRoom);
  advance(kTurnLength);
  EXPECT_EQ(takes().size(), 0U);
}

TEST_F(TurnListening, EndWhenIStopEndsTheTurnAfterASecondAndAHalfOfQuiet) {
  form()[form1::EndOnSilenceOption].click();
  untilTheTurn();
  EXPECT_FALSE(marked()) << "listening without recording shows no mark";
  speak(500, kQuietRoom);
  speak(1000, kVoice);
  speak(1480, kQuietRoom);
  EXPECT_TRUE(form().countdown().visible());
  speak(20, kQuietRoom);
  EXPECT_EQ(loads.back(), (Load{kTurnStart + 2980, "5-1.gif"}));
  EXPECT_FALSE(form().countdown().visible());
  EXPECT_FALSE(program.microphone.listening);
  EXPECT_EQ(takes().size(), 0U) << "not recording";
  advance(kTurnLength);
  const auto plays = std::count_if(loads.begin(), loads.end(),
                                   [](const Load& load) { return load.second == "5-1.gif"; });
  EXPECT_EQ(plays, 2) << "the early end started the next play once";
}

TEST_F(TurnListening, ATurnThatRanItsTimeWithoutVoiceSaysItHeardNothing) {
  form()[form1::EndOnSilenceOption].click();
  untilTheTurn();
  speak(3000, kQuietRoom);
  EXPECT_FALSE(form()[form1::TurnNote].visible());
  advance(kTurnLength - 3000);
  EXPECT_EQ(loads.back(), (Load{kTurnStart + kTurnLength, "5-1.gif"}));
  EXPECT_TRUE(form()[form1::TurnNote].visible());
  EXPECT_EQ(form()[form1::TurnNote].caption(), "لم أسمعك");
  advance(2499);
  EXPECT_TRUE(form()[form1::TurnNote].visible());
  advance(1);
  EXPECT_FALSE(form()[form1::TurnNote].visible());
}

TEST_F(TurnListening, AStoppedTurnSaysNothing) {
  form()[form1::EndOnSilenceOption].click();
  untilTheTurn();
  speak(1000, kQuietRoom);
  form()[form1::playing].click();
  EXPECT_FALSE(form()[form1::TurnNote].visible());
}

TEST_F(TurnListening, WithoutAMicrophoneTheOptionsTurnOffSayingWhyOnce) {
  program.microphone.refusal = "no source";
  form()[form1::RecordTurnOption].click();
  form()[form1::EndOnSilenceOption].click();
  untilTheTurn();
  EXPECT_EQ(form()[form1::RecordTurn].value(), 0);
  EXPECT_EQ(form()[form1::EndOnSilence].value(), 0);
  EXPECT_EQ(caption(form1::RecordTurnOption), "☐ سجّل دوري");
  EXPECT_EQ(caption(form1::TurnOptionsNote), "لا يُسمع الميكروفون، فلا تسجيل");
  EXPECT_THAT(program.diagnostics.lines,
              ::testing::ElementsAre(
                  "the learner's turn cannot be heard (no source): recording is turned off"));
  EXPECT_EQ(program.settings.kept.at("turn/record"), "false");
  EXPECT_FALSE(marked());
  advance(kTurnLength);
  EXPECT_EQ(loads.back(), (Load{kTurnStart + kTurnLength, "5-1.gif"}));
  advance(kTurnStart + kTurnLength);
  EXPECT_EQ(program.microphone.starts, 1);
  EXPECT_EQ(program.diagnostics.lines.size(), 1U);
}

TEST_F(TurnListening, AMicrophoneThatFailsMidTurnLeavesNoTakeAndTheTurnRunsItsTime) {
  form()[form1::RecordTurnOption].click();
  form()[form1::EndOnSilenceOption].click();
  untilTheTurn();
  speak(500, kQuietRoom);
  speak(1000, kVoice);
  program.microphone.fail("the source went away");
  EXPECT_FALSE(marked());
  EXPECT_EQ(form()[form1::RecordTurn].value(), 0);
  EXPECT_EQ(program.diagnostics.lines.size(), 1U);
  speak(2000, kQuietRoom);  // nothing listens: no early end
  advance(kTurnLength - 3500);
  EXPECT_EQ(loads.back(), (Load{kTurnStart + kTurnLength, "5-1.gif"}));
  EXPECT_EQ(takes().size(), 0U);
}

}  // namespace
}  // namespace hifz
