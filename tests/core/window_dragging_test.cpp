#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "test_program.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TestProgram;
using Mode = std::tuple<int, int, int>;

// Started on a 1024 x 768 screen: the window at Left 1680, Top 1260.
class WindowDragging : public ::testing::Test {
 protected:
  void SetUp() override { program.load(); }
  WindowControl& window() { return program.form->window(); }
  MainWindowState& state() { return program.form->state(); }
  TestProgram program;
};

TEST_F(WindowDragging, TheLeftButtonAloneDragsTheWindow) {
  window().mouseDown({1, 0, 3000, 2000});
  window().mouseMove({1, 0, 3150, 1900});
  EXPECT_EQ(window().left(), 1830);
  EXPECT_EQ(window().top(), 1160);
}

TEST_F(WindowDragging, OtherButtonsOnlyRecordWhereThePressWas) {
  for (const int mask : {0, 2, 3, 4, 5}) {
    window().mouseDown({mask, 0, 3000.5f, 2001.5f});
    EXPECT_EQ(state().DragStartX, 3000) << mask;
    EXPECT_EQ(state().DragStartY, 2002) << mask;
    window().mouseMove({mask, 0, 3150, 1900});
    EXPECT_EQ(window().left(), 1680) << mask;
    EXPECT_EQ(window().top(), 1260) << mask;
  }
}

TEST_F(WindowDragging, NothingMovesInFullScreen) {
  window().doubleClick();
  window().mouseDown({1, 0, 3000, 2000});
  window().mouseMove({1, 0, 3150, 1900});
  EXPECT_EQ(window().left(), 0);
  EXPECT_EQ(window().top(), 0);
}

TEST_F(WindowDragging, TheWorkingPanelDragsEvenInFullScreenAndHidesOnADoubleClick) {
  PicturePanel& panel = (*program.form)[form1::Picture2];
  (*program.form)[form1::Image6].click();
  window().doubleClick();
  panel.mouseDown({1, 0, 200, 300});
  panel.mouseMove({3, 0, 260, 280});
  EXPECT_EQ(panel.left(), 12165);
  panel.mouseMove({1, 0, 260, 280});
  EXPECT_EQ(panel.left(), 12225);
  EXPECT_EQ(panel.top(), 535);
  EXPECT_EQ(window().left(), 0);
  panel.doubleClick();
  EXPECT_FALSE(panel.visible());
  EXPECT_EQ(window().windowState(), WindowState::Maximized);
}

TEST_F(WindowDragging, TwoDoubleClicksGoFullScreenAndBack) {
  window().doubleClick();
  EXPECT_THAT(program.display.tested, ElementsAre(Mode{800, 600, 32}));
  EXPECT_THAT(program.display.applied, ElementsAre(Mode{800, 600, 32}));
  EXPECT_EQ(window().windowState(), WindowState::Maximized);
  EXPECT_EQ(window().left(), 0);
  EXPECT_EQ(window().top(), 0);

  window().doubleClick();
  EXPECT_THAT(program.display.applied, ElementsAre(Mode{800, 600, 32}, Mode{1024, 768, 32}));
  EXPECT_EQ(window().windowState(), WindowState::Normal);
  EXPECT_EQ(window().left(), 1680);
  EXPECT_EQ(window().top(), 1260);
  EXPECT_THAT(program.messages.shown, IsEmpty());
}

TEST_F(WindowDragging, ARefusedFullScreenModeStillMaximisesTheWindow) {
  program.display.testAnswer = ModeTest::NotUsable;
  window().doubleClick();
  ASSERT_EQ(program.messages.shown.size(), 1u);
  EXPECT_EQ(program.messages.shown[0].text, "Mode not supported");
  EXPECT_THAT(program.display.applied, IsEmpty());
  EXPECT_EQ(window().windowState(), WindowState::Maximized);
}

TEST_F(WindowDragging, ADoubleClickOnAControlIsNoToggle) {
  (*program.form)[form1::Image3].doubleClick();
  (*program.form)[form1::Picture8].doubleClick();
  EXPECT_EQ(window().windowState(), WindowState::Normal);
  EXPECT_THAT(program.display.tested, IsEmpty());
}

}  // namespace
}  // namespace hifz
