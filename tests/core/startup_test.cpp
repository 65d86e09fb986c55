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
    EXPECT_EQ(program.slot("StartFlash").movie(), banner);
  }
}

TEST(StartUp, LoadsEachMenuScreenMovieAfterTheBlankMovie) {
  TestProgram program("C:\\Hifz");
  program.load();
  const std::string blank = "C:\\Hifz\\2 blank.gif";
  const std::pair<const char*, const char*> expected[] = {
      {"StartFlash", "startUp.gif"}, {"verses1", "verses1.gif"}, {"verses2", "verses2.gif"},
      {"verses3", "verses3.gif"},    {"verses4", "verses4.gif"}, {"TopMenu", "topmenu.gif"},
      {"ExitMe", "exit.gif"},
  };
  for (const auto& [slot, movie] : expected)
    EXPECT_THAT(program.slot(slot).loads,
                ElementsAre(blank, std::string("C:\\Hifz\\data\\") + movie))
        << slot;
  // The click sound and the chapter menu are asked for before the data folder is known.
  EXPECT_THAT(program.slot("ding").loads, ElementsAre(blank, "C:\\Hifzding.gif"));
  EXPECT_THAT(program.slot("flash1").loads, ElementsAre(blank, "C:\\HifzMenu.gif"));
}

TEST(StartUp, CompleteStartUpEndState) {
  TestProgram program;
  program.load();
  Form1& form = *program.form;
  const MainWindowState& state = form.state();
  EXPECT_EQ(state.MenuMovie, "Menu.gif");
  EXPECT_EQ(form.label("volup").caption(), "4");
  EXPECT_EQ(form.textBox("vText").text(), "37448");
  EXPECT_EQ(state.VolumeValue, 37448);
  EXPECT_EQ(form.panel("volstate").left(), 420);
  EXPECT_THAT(program.mixer.writes, ElementsAre(std::make_tuple(0x77u, 17u, 37448u)));
  EXPECT_FALSE(form.slot("ExitMe").visible());
  EXPECT_EQ(form.slot("ExitMe").top(), form.slot("TopMenu").top());
  EXPECT_EQ(form.slot("TopMenu").height(), 3510);
  EXPECT_EQ(form.panel("Picture12").height(), 3615);
  EXPECT_EQ(form.panel("Picture12").borderStyle(), 0);
  EXPECT_EQ(form.slot("verses4").left(), 100);
  for (const char* list : {"verses1", "verses2", "verses3", "verses4"})
    EXPECT_EQ(form.slot(list).width(), 8055) << list;
  EXPECT_EQ(form.panel("Picture8").left(), 615);
  EXPECT_EQ(form.panel("Picture8").top(), 660);
  EXPECT_EQ(form.panel("Picture11").left(), 9570);
  EXPECT_EQ(form.panel("Picture11").height(), 9210);
  EXPECT_EQ(form.panel("Picture13").left(), 555);
  EXPECT_EQ(form.panel("Picture3").left(), 2800);
  EXPECT_EQ(form.panel("Picture4").top(), 2985);
  EXPECT_EQ(form.checkBox("Check4").value(), 0);
  EXPECT_EQ(form.label("Label4").caption(), "0");
  EXPECT_FALSE(form.image("playing").visible());
  EXPECT_THAT(program.messages.shown, IsEmpty());
  // What the user sees: the menu screen with banner and top menu, the credits
  // panel; every other panel stays out of sight.
  for (const char* shown : {"Picture8", "StartFlash", "Picture12", "TopMenu", "Picture11"})
    EXPECT_TRUE(form.control(shown).visible()) << shown;
  for (const char* hidden :
       {"Picture9", "Picture10", "Picture13", "Picture3", "Picture4", "Picture2"})
    EXPECT_FALSE(form.control(hidden).visible()) << hidden;
}

TEST(StartUp, ShowsTheBoundsOfBothVolumeControls) {
  TestProgram program;
  program.load();
  EXPECT_EQ(program.form->label("Label1").caption(), "0 to 65535");
  EXPECT_EQ(program.form->label("Label2").caption(), "0 to 100");
  EXPECT_EQ(program.form->state().SpeakerControl, testing::FakeMixer::volumeControl(17, 0, 65535));
  EXPECT_EQ(program.mixer.openedDevices, std::vector<std::uint32_t>{0});
}

TEST(StartUp, ControlFoundHoldsTheMicrophoneLookup) {
  TestProgram noMicrophone;
  noMicrophone.mixer.lines.erase(kComponentMicrophone);
  noMicrophone.load();
  EXPECT_EQ(noMicrophone.form->state().ControlFound, 0);
  EXPECT_EQ(noMicrophone.form->label("Label1").caption(), "0 to 65535");
  EXPECT_EQ(noMicrophone.form->label("Label2").caption(), "Label2");
  EXPECT_EQ(noMicrophone.mixer.writes.size(), 1u);

  TestProgram noSpeakers;
  noSpeakers.mixer.lines.erase(kComponentSpeakers);
  noSpeakers.load();
  EXPECT_EQ(noSpeakers.form->state().ControlFound, -1);
  EXPECT_EQ(noSpeakers.form->label("Label1").caption(), "Label1");
  EXPECT_EQ(noSpeakers.form->state().SpeakerControl, MixerControlRecord{});
  // The volume step still moves level and value, but nothing goes to a control
  // that was never found.
  EXPECT_EQ(noSpeakers.form->label("volup").caption(), "4");
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
  EXPECT_EQ(form.label("Label1").caption(), "Label1");
  EXPECT_THAT(program.mixer.writes, IsEmpty());
  // The menu screen as with a mixer: the same movies in its slots, the same
  // window and panels.
  for (const char* name :
       {"StartFlash", "verses1", "verses2", "verses3", "verses4", "TopMenu", "ExitMe", "flash1"})
    EXPECT_EQ(program.slot(name).loads, usual.slot(name).loads) << name;
  EXPECT_EQ(form.window().width(), 12000);
  EXPECT_EQ(form.window().height(), 9000);
  EXPECT_EQ(form.state().DataFolder, usual.form->state().DataFolder);
  for (const char* name : {"Picture8", "StartFlash", "Picture12", "TopMenu", "Picture11",
                           "Picture9", "Picture10", "Picture13", "ExitMe"}) {
    const Control& control = form.control(name);
    const Control& expected = usual.form->control(name);
    EXPECT_EQ(control.visible(), expected.visible()) << name;
    EXPECT_EQ(control.left(), expected.left()) << name;
    EXPECT_EQ(control.top(), expected.top()) << name;
  }
}

}  // namespace
}  // namespace hifz
