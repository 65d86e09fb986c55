#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dialog/notice.h"
#include "test_program.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TestProgram;

const std::string kFeedbackText = "لملاحظاتكم وآرائكم\r موقع البرنامج";

// The main window after start-up on a 1024 x 768 screen: Left 1680, Top 1260,
// 12000 x 9000.
class MsgFormTest : public ::testing::Test {
 protected:
  void SetUp() override { program.load(); }
  Form1& main() { return *program.form; }
  MsgForm& dialog() { return program.msgForm->touch(); }
  // Lays out a dialog whose message measures `width` x `height`.
  void layOut(float width, float height, const std::string& selector = "1") {
    const std::string text = "message " + std::to_string(++messages);
    program.textMeasure.sizes[text] = {width, height};
    dialog()[msg_form::MyMsg].setCaption(text);
    dialog()[msg_form::MyBotton].setCaption(selector);
    dialog()[msg_form::Command2].setValue(true);
  }
  TestProgram program;
  int messages = 0;
};

TEST_F(MsgFormTest, LayoutOfATwoLineMessage) {
  layOut(2000, 480);
  MsgForm& form = dialog();
  EXPECT_EQ(form.window().width(), 4230);
  EXPECT_EQ(form.window().height(), 1845);
  EXPECT_EQ(form[msg_form::MyMsg].left(), 1115);
  EXPECT_EQ(form[msg_form::MyMsg].top(), 420);
  EXPECT_EQ(form[msg_form::www].top(), 895);
  EXPECT_EQ(form[msg_form::www].width(), 2000);
  EXPECT_EQ(form[msg_form::www].left(), 1115);
  EXPECT_EQ(form[msg_form::TitleMassage].width(), 2000);
  EXPECT_EQ(form[msg_form::TitleMassage].left(), 1115);
  EXPECT_EQ(form[msg_form::MyR1].left(), 1267.5f);
  EXPECT_EQ(form[msg_form::MyR2].left(), 1267.5f);
  EXPECT_EQ(form[msg_form::MyR3].left(), 862.5f);
  for (const auto row : {msg_form::MyR1, msg_form::MyR2, msg_form::MyR3})
    EXPECT_EQ(form[row].top(), 1340) << row.name();
  EXPECT_TRUE(form[msg_form::MyR1].visible());
  EXPECT_FALSE(form[msg_form::MyR2].visible());
  EXPECT_FALSE(form[msg_form::MyR3].visible());
  // 2000 below and 700 left of the main window's centre (7680, 5760).
  EXPECT_EQ(form.window().top(), 5760 - 922.5f + 2000);
  EXPECT_EQ(form.window().left(), 7680 - 2115 - 700);
  // The title strip keeps its place and size.
  EXPECT_EQ(form[msg_form::TitlePic].width(), 4230);
  EXPECT_EQ(form[msg_form::TitlePic].left(), 0);
}

TEST_F(MsgFormTest, OnlyAMessageWiderThan4155WidensTheDialog) {
  const std::pair<float, float> cases[] = {{4155, 4230}, {4156, 4356}, {6000, 6200}};
  for (const auto& [message, dialogWidth] : cases) {
    TestProgram fresh;
    fresh.load();
    fresh.textMeasure.sizes["message"] = {message, 240};
    MsgForm& form = fresh.msgForm->touch();
    form[msg_form::MyMsg].setCaption("message");
    form[msg_form::Command2].setValue(true);
    EXPECT_EQ(form.window().width(), dialogWidth) << message;
    EXPECT_EQ(form[msg_form::MyMsg].left(), dialogWidth / 2 - message / 2) << message;
    EXPECT_EQ(form[msg_form::TitlePic].width(), 4230);
  }
}

TEST_F(MsgFormTest, ADialogWidenedOnceStaysWide) {
  layOut(4156, 240);
  layOut(2000, 480);
  EXPECT_EQ(dialog().window().width(), 4356);
  EXPECT_EQ(dialog()[msg_form::MyMsg].left(), 1178);
}

TEST_F(MsgFormTest, LayoutKeepsSinglePrecisionHalves) {
  layOut(1999, 255);
  EXPECT_EQ(dialog()[msg_form::MyMsg].left(), 1115.5f);
  EXPECT_EQ(dialog().window().height(), 1620);
  EXPECT_EQ(dialog().window().top(), 5760 - 810 + 2000);
}

TEST_F(MsgFormTest, TheSelectorShowsOneRowOrNone) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "MyR1"}, {"2", "MyR2"}, {"3", "MyR3"}, {" 3 ", "MyR3"},
      {"0", ""},     {"4", ""},     {"one", ""},   {"", ""},
  };
  for (const auto& [selector, row] : cases) {
    layOut(2000, 480, selector);
    for (const auto each : {msg_form::MyR1, msg_form::MyR2, msg_form::MyR3})
      EXPECT_EQ(dialog()[each].visible(), each.name() == row) << selector << each.name();
    // Room is kept for row 1's height whichever row shows.
    EXPECT_EQ(dialog().window().height(), 1845);
  }
}

TEST_F(MsgFormTest, TheFeedbackNoticeIsOneTopMostDialogReusedWhileOpen) {
  program.textMeasure.sizes[kFeedbackText] = {2000, 480};
  main()[form1::Image7].click();
  ASSERT_NE(program.dialog(), nullptr);
  MsgForm& form = *program.dialog();
  const auto handle = form.window().handle();
  EXPECT_THAT(program.windows.opened, ElementsAre(handle));
  EXPECT_THAT(program.windows.topMostCalls, ElementsAre(std::make_pair(handle, true)));
  EXPECT_EQ(form[msg_form::TitleMassage].caption(), "موقع البرنامج");
  EXPECT_EQ(form[msg_form::MyMsg].caption(), kFeedbackText);
  EXPECT_EQ(form[msg_form::MyMsg].width(), 2000);
  EXPECT_EQ(form[msg_form::MyBotton].caption(), "1");
  EXPECT_EQ(form[msg_form::www].caption(), TestProgram::kWebsite);
  EXPECT_EQ(form.window().height(), 1845);
  EXPECT_TRUE(form.window().visible());
  EXPECT_TRUE(main().window().enabled());

  main()[form1::Image7].click();
  EXPECT_EQ(program.dialog(), &form);
  EXPECT_EQ(program.windows.opened.size(), 1u);
  EXPECT_EQ(form[msg_form::MyMsg].caption(), kFeedbackText);
}

// Tells whether the main window took input when the dialog's title was written.
class EnabledAtTitle final : public ControlObserver {
 public:
  explicit EnabledAtTitle(const Control& main) : main_(main) {}
  void controlChanged(const Control&, Property property) override {
    if (property == Property::Caption) seen.push_back(main_.enabled());
  }
  std::vector<bool> seen;

 private:
  const Control& main_;
};

TEST_F(MsgFormTest, ABlockingNoticeDisablesTheMainWindowBeforeFillingTheDialog) {
  EnabledAtTitle watch(main().window());
  dialog()[msg_form::TitleMassage].addObserver(&watch);
  showNotice(*program.msgForm,
             {.title = "t", .firstLine = "a", .secondLine = "b", .blocksMainWindow = true});
  EXPECT_THAT(watch.seen, ElementsAre(false));
  EXPECT_FALSE(main().window().enabled());
  EXPECT_EQ(dialog()[msg_form::MyMsg].caption(), "a\rb");
  EXPECT_TRUE(dialog().window().visible());
  dialog()[msg_form::TitleMassage].removeObserver(&watch);
}

struct ClosingCase {
  ControlHandle<MsgForm, CommandButton> button;
  bool activatesMain;
};

TEST_F(MsgFormTest, ClosingButtonsUnloadTheDialogAndEnableTheMainWindow) {
  const ClosingCase cases[] = {
      {msg_form::Command3, true}, {msg_form::Command1, false}, {msg_form::Command5, false}};
  for (const auto& c : cases) {
    TestProgram fresh;
    fresh.load();
    fresh.form->window().setEnabled(false);
    MsgForm& form = fresh.msgForm->touch();
    const auto handle = form.window().handle();
    form[c.button].setValue(true);
    EXPECT_EQ(fresh.dialog(), nullptr) << c.button.name();
    EXPECT_THAT(fresh.windows.closed, ElementsAre(handle));
    EXPECT_TRUE(fresh.form->window().enabled());
    if (c.activatesMain)
      EXPECT_THAT(fresh.windows.activated, ElementsAre(TestProgram::kMainWindowHandle));
    else
      EXPECT_THAT(fresh.windows.activated, IsEmpty());
  }
}

TEST_F(MsgFormTest, TheOtherReplyButtonsDoNothing) {
  for (const auto button : {msg_form::ClearData, msg_form::Command6, msg_form::Command4}) {
    dialog()[button].setValue(true);
    EXPECT_NE(program.dialog(), nullptr) << button.name();
  }
}

TEST_F(MsgFormTest, TheNextTouchAfterUnloadMakesAFreshDialog) {
  layOut(6000, 480);
  dialog()[msg_form::Command3].setValue(true);
  MsgForm& fresh = dialog();
  EXPECT_EQ(fresh.window().width(), 4230);
  EXPECT_EQ(fresh[msg_form::MyMsg].caption(), "قريبًا إن شاء الله على");
  EXPECT_EQ(program.windows.opened.size(), 2u);
  EXPECT_EQ(program.windows.topMostCalls.size(), 2u);
}

TEST_F(MsgFormTest, TheLinkChangesColourUnderTheMouse) {
  Label& link = dialog()[msg_form::www];
  EXPECT_EQ(link.foreColor(), kButtonText);
  link.mouseDown({1, 0, 10, 10});
  EXPECT_EQ(link.foreColor(), 0x0000FFu);
  link.mouseMove({1, 0, 12, 10});
  EXPECT_EQ(link.foreColor(), 0xFF0000u);
  dialog()[msg_form::MyMsg].mouseMove({0, 0, 5, 5});
  EXPECT_EQ(link.foreColor(), 0u);
  link.mouseMove({0, 0, 12, 10});
  dialog().window().mouseMove({0, 0, 5, 5});
  EXPECT_EQ(link.foreColor(), 0u);
  link.mouseMove({0, 0, 12, 10});
  for (const auto elsewhere : {msg_form::TitlePic, msg_form::MyR1})
    dialog()[elsewhere].mouseMove({});
  EXPECT_EQ(link.foreColor(), 0xFF0000u);
}

TEST_F(MsgFormTest, ReleaseOverTheLinkEnablesTheMainWindowAndTheClickOpensTheWebsite) {
  main().window().setEnabled(false);
  MsgForm& form = dialog();
  const auto handle = form.window().handle();
  Label& link = form[msg_form::www];
  link.mouseDown({1, 0, 10, 10});
  link.mouseUp({1, 0, 10, 10});
  EXPECT_EQ(link.foreColor(), 0xFF0000u);
  EXPECT_TRUE(main().window().enabled());
  EXPECT_THAT(program.shell.opened, IsEmpty());

  link.click();
  EXPECT_THAT(program.windows.topMostCalls,
              ElementsAre(std::make_pair(handle, true), std::make_pair(handle, false)));
  EXPECT_THAT(program.shell.opened, ElementsAre(TestProgram::kWebsite));
  EXPECT_THAT(program.windows.closed, ElementsAre(handle));
  EXPECT_EQ(program.dialog(), nullptr);
}

TEST_F(MsgFormTest, DraggingByTheTitleStripWithTheLeftButtonAlone) {
  const ControlHandle<MsgForm, Control> strips[] = {msg_form::TitlePic, msg_form::TitleMassage};
  for (const auto strip : strips) {
    WindowControl& window = dialog().window();
    window.setLeft(5000);
    window.setTop(6000);
    Control& handle = dialog()[strip];
    handle.mouseDown({2, 0, 100.5f, 51.5f});
    EXPECT_EQ(dialog().state().TitleDragX, 100) << strip.name();
    EXPECT_EQ(dialog().state().TitleDragY, 52) << strip.name();
    handle.mouseMove({3, 0, 400, 400});
    handle.mouseMove({2, 0, 400, 400});
    EXPECT_EQ(window.left(), 5000);
    EXPECT_EQ(window.top(), 6000);
    handle.mouseMove({1, 0, 250, 22});
    EXPECT_EQ(window.left(), 5150) << strip.name();
    EXPECT_EQ(window.top(), 5970) << strip.name();
    EXPECT_EQ(dialog().state().TitleDragX, 100);
  }
}

}  // namespace
}  // namespace hifz
