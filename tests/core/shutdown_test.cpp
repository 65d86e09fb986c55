#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "shell/change_res.h"
#include "test_program.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ShownMessage;
using testing::TestProgram;
using Mode = std::tuple<int, int, int>;

struct ChangeResCase {
  ModeTest answer;
  std::vector<MessageAnswer> userAnswers;
  std::vector<Mode> applied;
  std::vector<ShownMessage> messages;
  int restarts;
};

TEST(ChangeRes, AppliesAUsableModeAndAsksOrRefusesOtherwise) {
  const ShownMessage reboot{"You've to reboot", "Info", MessageButtons::YesNo};
  const ShownMessage refused{"Mode not supported", "Error", MessageButtons::Ok};
  const ChangeResCase cases[] = {
      {ModeTest::Usable, {}, {{800, 600, 16}}, {}, 0},
      {ModeTest::NeedsRestart, {MessageAnswer::Yes}, {}, {reboot}, 1},
      {ModeTest::NeedsRestart, {MessageAnswer::No}, {}, {reboot}, 0},
      {ModeTest::NotUsable, {}, {}, {refused}, 0},
  };
  for (const auto& c : cases) {
    TestProgram program;
    program.display.testAnswer = c.answer;
    program.messages.answers.assign(c.userAnswers.begin(), c.userAnswers.end());
    ChangeRes(program.form->platform(), 800, 600, 16);
    EXPECT_THAT(program.display.tested, ElementsAre(Mode{800, 600, 16}));
    EXPECT_EQ(program.display.applied, c.applied);
    EXPECT_EQ(program.messages.shown, c.messages);
    EXPECT_EQ(program.display.restarts, c.restarts);
  }
}

// Started on a 1024 x 768 screen at 32 bits per pixel.
class Shutdown : public ::testing::Test {
 protected:
  void SetUp() override { program.load(); }
  Form1& form() { return *program.form; }
  testing::FakeMovieSlot& exitMe() { return program.slot(form1::ExitMe); }
  TestProgram program;
};

TEST_F(Shutdown, LeavingThroughTheExitMovieRestoresTheModeReleasesAndEnds) {
  std::vector<Mode> testedAtClickSound{{-1, -1, -1}};
  auto clickSound = form()[form1::DoingIt].onClick;
  form()[form1::DoingIt].onClick = [&] {
    testedAtClickSound = program.display.tested;
    clickSound();
  };
  exitMe().raiseFSCommand("click", "1");
  EXPECT_THAT(testedAtClickSound, IsEmpty());
  EXPECT_EQ(program.slot(form1::ding).movie(), "C:\\Hifz\\data\\ding.gif");
  EXPECT_THAT(program.display.tested, ElementsAre(Mode{1024, 768, 32}));
  EXPECT_THAT(program.display.applied, ElementsAre(Mode{1024, 768, 32}));
  EXPECT_THAT(program.display.released, ElementsAre(program.display.contextToOpen));
  EXPECT_EQ(program.windows.endings, 1);

  // The program has ended: a close that still arrives changes nothing.
  form().window().onUnload();
  exitMe().raiseFSCommand("click", "1");
  EXPECT_EQ(program.display.tested.size(), 1u);
  EXPECT_EQ(program.display.released.size(), 1u);
  EXPECT_EQ(program.windows.endings, 1);
}

TEST_F(Shutdown, LeavingFromFullScreenReturnsToTheStartUpSizeAtTheCurrentDepth) {
  form().window().doubleClick();
  program.display.depth = 16;
  exitMe().raiseFSCommand("click", "1");
  EXPECT_THAT(program.display.tested, ElementsAre(Mode{800, 600, 32}, Mode{1024, 768, 16}));
  EXPECT_EQ(program.display.applied.back(), (Mode{1024, 768, 16}));
  EXPECT_EQ(program.display.released.size(), 1u);
  EXPECT_EQ(program.windows.endings, 1);
}

TEST_F(Shutdown, ARefusedModeStillReleasesAndEnds) {
  program.display.testAnswer = ModeTest::NotUsable;
  exitMe().raiseFSCommand("click", "1");
  EXPECT_EQ(program.messages.shown.size(), 1u);
  EXPECT_THAT(program.display.applied, IsEmpty());
  EXPECT_EQ(program.display.released.size(), 1u);
  EXPECT_EQ(program.windows.endings, 1);
}

TEST_F(Shutdown, StayingBringsTheTopMenuBack) {
  form()[form1::Image12].click();
  form()[form1::Picture8].setVisible(false);
  form()[form1::Picture12].setVisible(false);
  exitMe().raiseFSCommand("CLICK", "0");
  const ControlHandle<Form1, Control> shown[] = {form1::TopMenu, form1::Picture12, form1::Picture8};
  for (const auto control : shown) EXPECT_TRUE(form()[control].visible()) << control.name();
  EXPECT_FALSE(exitMe().visible());
  EXPECT_THAT(program.display.tested, IsEmpty());
  EXPECT_EQ(program.windows.endings, 0);
}

TEST_F(Shutdown, OtherAnswersOfTheExitMovieDoNothing) {
  const std::pair<const char*, const char*> cases[] = {
      {"click", "2"}, {"click", "01"}, {"click", " 1"}, {"click", ""},
      {"press", "1"}, {"press", "0"},  {"", "1"},
  };
  form()[form1::Image12].click();
  for (const auto& [command, args] : cases) {
    exitMe().raiseFSCommand(command, args);
    EXPECT_TRUE(exitMe().visible()) << command << " " << args;
    EXPECT_FALSE(form()[form1::TopMenu].visible());
  }
  EXPECT_THAT(program.display.tested, IsEmpty());
  EXPECT_THAT(program.display.released, IsEmpty());
  EXPECT_EQ(program.windows.endings, 0);
}

TEST_F(Shutdown, ClosingTheWindowRestoresTheModeAndReleasesOnce) {
  form().window().onUnload();
  EXPECT_THAT(program.display.tested, ElementsAre(Mode{1024, 768, 32}));
  EXPECT_THAT(program.display.applied, ElementsAre(Mode{1024, 768, 32}));
  EXPECT_THAT(program.display.released, ElementsAre(program.display.contextToOpen));
  EXPECT_EQ(program.windows.endings, 0);

  form().window().onUnload();
  exitMe().raiseFSCommand("click", "1");
  EXPECT_EQ(program.display.released.size(), 1u);
  EXPECT_EQ(program.windows.endings, 0);
}

TEST_F(Shutdown, AnsweringNoToTheRebootQuestionStillCloses) {
  program.display.testAnswer = ModeTest::NeedsRestart;
  form().window().onUnload();
  EXPECT_EQ(program.messages.shown.size(), 1u);
  EXPECT_EQ(program.display.restarts, 0);
  EXPECT_EQ(program.display.released.size(), 1u);
}

}  // namespace
}  // namespace hifz
