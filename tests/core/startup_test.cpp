#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "test_program.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TestProgram;

struct PlacementCase {
  float widthPx, heightPx;
  float left, top;
};

TEST(StartUp, MeasuresTheScreenAndCentresTheRunningWindow) {
  const PlacementCase cases[] = {
      {1024, 768, 1680, 1260}, {800, 600, 0, 0}, {1920, 1080, 8400, 3600}};
  for (const auto& c : cases) {
    TestProgram program;
    program.windows.widthPx = c.widthPx;
    program.windows.heightPx = c.heightPx;
    program.load();
    const MainWindowState& state = program.form->state();
    EXPECT_EQ(state.ScreenWidthPx, c.widthPx);
    EXPECT_EQ(state.ScreenHeightPx, c.heightPx);
    const WindowControl& window = program.form->window();
    EXPECT_EQ(window.left(), c.left) << c.widthPx;
    EXPECT_EQ(window.top(), c.top) << c.widthPx;
    EXPECT_EQ(window.width(), 12000);
    EXPECT_EQ(window.height(), 9000);
    EXPECT_EQ(state.DisplayDC, program.display.contextToOpen);
  }
}

TEST(StartUp, DataFolderDependsOnWhetherTheProgramFolderEndsInASeparator) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"C:\\Programs\\Hifz", "\\data\\", "C:\\Programs\\Hifz\\data\\startUp.gif"},
      {"C:\\", "data\\", "C:\\data\\startUp.gif"},
      {"/opt/hifz", "\\data\\", "/opt/hifz\\data\\startUp.gif"},
      {"/", "data\\", "/data\\startUp.gif"},
  };
  for (const auto& [folder, dataFolder, banner] : cases) {
    TestProgram program(folder);
    program.load();
    EXPECT_EQ(program.form->state().DataFolder, dataFolder);
    EXPECT_EQ(program.slot(form1::StartFlash).movie(), banner);
  }
}

TEST(StartUp, LoadsEachMenuScreenMovieAfterTheBlankMovie) {
  TestProgram program("C:\\Hifz");
  program.load();
  const std::string blank = "C:\\Hifz\\2 blank.gif";
  const std::pair<ControlHandle<Form1, MovieSlot>, const char*> expected[] = {
      {form1::StartFlash, "startUp.gif"}, {form1::verses1, "verses1.gif"},
      {form1::verses2, "verses2.gif"},    {form1::verses3, "verses3.gif"},
      {form1::verses4, "verses4.gif"},    {form1::TopMenu, "topmenu.gif"},
      {form1::ExitMe, "exit.gif"},
  };
  for (const auto& [slot, movie] : expected)
    EXPECT_THAT(program.slot(slot).loads,
                ElementsAre(blank, std::string("C:\\Hifz\\data\\") + movie))
        << slot.name();
  // The click sound and the chapter menu are asked for before the data folder is known.
  EXPECT_THAT(program.slot(form1::ding).loads, ElementsAre(blank, "C:\\Hifzding.gif"));
  EXPECT_THAT(program.slot(form1::flash1).loads, ElementsAre(blank, "C:\\HifzMenu.gif"));
}

TEST(StartUp, CompleteStartUpEndState) {
  TestProgram program;
  program.load();
  Form1& form = *program.form;
  const MainWindowState& state = form.state();
  EXPECT_EQ(state.MenuMovie, "Menu.gif");
  EXPECT_EQ(form[form1::volup].caption(), "4");
  EXPECT_EQ(form[form1::vText].text(), "37448");
  EXPECT_EQ(state.VolumeValue, 37448);
  EXPECT_EQ(form[form1::volstate].left(), 420);
  EXPECT_THAT(program.mixer.writes, ElementsAre(std::make_tuple(0x77u, 17u, 37448u)));
  EXPECT_FALSE(form[form1::ExitMe].visible());
  EXPECT_EQ(form[form1::ExitMe].top(), form[form1::TopMenu].top());
  EXPECT_EQ(form[form1::TopMenu].height(), 3510);
  EXPECT_EQ(form[form1::Picture12].height(), 3615);
  EXPECT_EQ(form[form1::Picture12].borderStyle(), 0);
  EXPECT_EQ(form[form1::verses4].left(), 100);
  for (const auto list : {form1::verses1, form1::verses2, form1::verses3, form1::verses4})
    EXPECT_EQ(form[list].width(), 8055) << list.name();
  EXPECT_EQ(form[form1::Picture8].left(), 615);
  EXPECT_EQ(form[form1::Picture8].top(), 660);
  EXPECT_EQ(form[form1::Picture11].left(), 9570);
  EXPECT_EQ(form[form1::Picture11].height(), 9210);
  EXPECT_EQ(form[form1::Picture13].left(), 555);
  EXPECT_EQ(form[form1::Picture3].left(), 2800);
  EXPECT_EQ(form[form1::Picture4].top(), 2985);
  EXPECT_EQ(form[form1::Check4].value(), 0);
  EXPECT_EQ(form[form1::Label4].caption(), "0");
  EXPECT_FALSE(form[form1::playing].visible());
  EXPECT_THAT(program.messages.shown, IsEmpty());
  // What the user sees: the menu screen with banner and top menu, the credits
  // panel; every other panel stays out of sight.
  const ControlHandle<Form1, Control> shownControls[] = {
      form1::Picture8, form1::StartFlash, form1::Picture12, form1::TopMenu, form1::Picture11};
  for (const auto shown : shownControls) EXPECT_TRUE(form[shown].visible()) << shown.name();
  for (const auto hidden : {form1::Picture9, form1::Picture10, form1::Picture13, form1::Picture3,
                            form1::Picture4, form1::Picture2})
    EXPECT_FALSE(form[hidden].visible()) << hidden.name();
}

TEST(StartUp, ShowsTheBoundsOfBothVolumeControls) {
  TestProgram program;
  program.load();
  EXPECT_EQ((*program.form)[form1::Label1].caption(), "0 to 65535");
  EXPECT_EQ((*program.form)[form1::Label2].caption(), "0 to 100");
  EXPECT_EQ(program.form->state().SpeakerControl, testing::FakeMixer::volumeControl(17, 0, 65535));
  EXPECT_EQ(program.mixer.openedDevices, std::vector<std::uint32_t>{0});
}

TEST(StartUp, ControlFoundHoldsTheMicrophoneLookup) {
  TestProgram noMicrophone;
  noMicrophone.mixer.lines.erase(kComponentMicrophone);
  noMicrophone.load();
  EXPECT_EQ(noMicrophone.form->state().ControlFound, 0);
  EXPECT_EQ((*noMicrophone.form)[form1::Label1].caption(), "0 to 65535");
  EXPECT_EQ((*noMicrophone.form)[form1::Label2].caption(), "Label2");
  EXPECT_EQ(noMicrophone.mixer.writes.size(), 1u);

  TestProgram noSpeakers;
  noSpeakers.mixer.lines.erase(kComponentSpeakers);
  noSpeakers.load();
  EXPECT_EQ(noSpeakers.form->state().ControlFound, -1);
  EXPECT_EQ((*noSpeakers.form)[form1::Label1].caption(), "Label1");
  EXPECT_EQ(noSpeakers.form->state().SpeakerControl, MixerControlRecord{});
  // The volume step still moves level and value, but nothing goes to a control
  // that was never found.
  EXPECT_EQ((*noSpeakers.form)[form1::volup].caption(), "4");
  EXPECT_EQ(noSpeakers.form->state().VolumeValue, 37448);
  EXPECT_THAT(noSpeakers.mixer.writes, IsEmpty());
}

TEST(StartUp, WithoutAMixerTellsSoThenStartsAsUsual) {
  TestProgram usual;
  usual.load();
  TestProgram program;
  program.mixer.openResult = kMixerBadDevice;
  program.load();
  Form1& form = *program.form;
  ASSERT_EQ(program.messages.shown.size(), 1u);
  EXPECT_EQ(program.messages.shown[0],
            (testing::ShownMessage{"Couldn't open the mixer.", "", MessageButtons::Ok}));
  EXPECT_EQ(form.state().MixerOpenResult, kMixerBadDevice);
  EXPECT_EQ(form.state().MixerHandle, 0u);
  EXPECT_EQ(form[form1::Label1].caption(), "Label1");
  EXPECT_THAT(program.mixer.writes, IsEmpty());
  // The menu screen as with a mixer: the same movies in its slots, the same
  // window and panels.
  for (const auto slot : {form1::StartFlash, form1::verses1, form1::verses2, form1::verses3,
                          form1::verses4, form1::TopMenu, form1::ExitMe, form1::flash1})
    EXPECT_EQ(program.slot(slot).loads, usual.slot(slot).loads) << slot.name();
  EXPECT_EQ(form.window().width(), 12000);
  EXPECT_EQ(form.window().height(), 9000);
  EXPECT_EQ(form.state().DataFolder, usual.form->state().DataFolder);
  for (const char* name : {"Picture8", "StartFlash", "Picture12", "TopMenu", "Picture11",
                           "Picture9", "Picture10", "Picture13", "ExitMe"}) {
    const Control& control = form.controlNamed(name);
    const Control& expected = usual.form->controlNamed(name);
    EXPECT_EQ(control.visible(), expected.visible()) << name;
    EXPECT_EQ(control.left(), expected.left()) << name;
    EXPECT_EQ(control.top(), expected.top()) << name;
  }
}

}  // namespace
}  // namespace hifz
