#include "shell/startup.h"

#include <cmath>
#include <string>
#include <vector>

#include "audio/volume_m.h"
#include "controls/number_text.h"
#include "navigation/chapter_list_slots.h"
#include "navigation/content_catalog.h"
#include "shell/form1.h"

namespace hifz {
namespace {

constexpr float kRunningWidth = 12000;
constexpr float kRunningHeight = 9000;

std::string boundsText(const MixerControlRecord& control) {
  return numberText(control.lMinimum) + " to " + numberText(control.lMaximum);
}

void placePanel(PicturePanel& panel, float top, float left, float width, float height) {
  panel.setTop(top);
  panel.setLeft(left);
  panel.setWidth(width);
  panel.setHeight(height);
}

// Without a mixer the user is told, and the program goes on without volume.
void openMixer(Form1& form) {
  MainWindowState& state = form.state();
  Platform& platform = form.platform();
  state.MixerOpenResult = platform.mixer.open(0, state.MixerHandle);
  if (state.MixerOpenResult != kMixerNoError) {
    platform.messages.show("Couldn't open the mixer.", "", MessageButtons::Ok);
    return;
  }
  state.ControlFound = FindMixerControl(platform.mixer, state.MixerHandle, kComponentSpeakers,
                                        kControlVolume, state.SpeakerControl);
  if (state.ControlFound) form[form1::Label1].setCaption(boundsText(state.SpeakerControl));
  state.ControlFound = FindMixerControl(platform.mixer, state.MixerHandle, kComponentMicrophone,
                                        kControlVolume, state.MicrophoneControl);
  if (state.ControlFound) form[form1::Label2].setCaption(boundsText(state.MicrophoneControl));
}

void startUp(Form1& form) {
  MainWindowState& state = form.state();
  Platform& platform = form.platform();
  WindowSystem& screen = platform.windows;
  WindowControl& window = form.window();

  state.ScreenWidthPx = static_cast<std::int32_t>(
      std::nearbyint(screen.screenWidthTwips() / screen.twipsPerPixelX()));
  state.ScreenHeightPx = static_cast<std::int32_t>(
      std::nearbyint(screen.screenHeightTwips() / screen.twipsPerPixelY()));
  state.DisplayDC = platform.display.openContext();
  window.setTop(screen.screenHeightTwips() / 2 - kRunningHeight / 2);
  window.setLeft(screen.screenWidthTwips() / 2 - kRunningWidth / 2);
  state.MenuMovie = "Menu.gif";

  openMixer(form);

  window.setWidth(kRunningWidth);
  window.setHeight(kRunningHeight);
  PicturePanel& thanks = form[form1::Picture13];
  thanks.setLeft(555);
  thanks.setTop(600);
  form[form1::volstate].setLeft(315);
  form[form1::volup].setCaption("3");
  form[form1::vText].setText("28086");
  form.run(form1::VUP);
  form[form1::Check4].setValue(0);
  form.run(form1::Menu);

  for (const auto handle : {form1::Picture3, form1::Picture4}) {
    PicturePanel& panel = form[handle];
    panel.setLeft(2800);
    panel.setTop(2985);
  }
  placePanel(form[form1::Picture8], 660, 615, 8445, 7770);   // the menu screen
  placePanel(form[form1::Picture10], 660, 615, 8475, 7770);  // the objectives page
  placePanel(form[form1::Picture11], 0, 9570, 2505, 9210);   // the credits panel
  MovieSlot& topMenu = form[form1::TopMenu];
  MovieSlot& exitMe = form[form1::ExitMe];
  topMenu.setHeight(3510);
  exitMe.setHeight(3510);
  PicturePanel& strip = form[form1::Picture12];
  strip.setHeight(3615);

  const std::string& folder = form.applicationFolder();
  state.DataFolder = folder.ends_with('\\') || folder.ends_with('/') ? "data\\" : "\\data\\";

  useContentCatalog(form);
  const std::vector<ChapterGroup>& groups = form.catalog().groups;
  const auto loadList = [&form, &groups](std::size_t group) {
    if (group < groups.size())
      form.reloadMovie(form[chapterListSlot(group)], form.dataFilePath(groups[group].listMovie));
  };

  form.reloadMovie(form[form1::StartFlash], form.dataFilePath("startUp.gif"));
  for (const auto list : kChapterListSlots) form[list].setWidth(8055);
  strip.setBorderStyle(0);
  for (std::size_t group = 0; group < 3; ++group) loadList(group);
  MovieSlot& lastList = form[form1::verses4];
  lastList.setLeft(100);
  lastList.setTop(4140);
  exitMe.setTop(topMenu.top());
  exitMe.setVisible(false);
  loadList(3);
  form.reloadMovie(topMenu, form.dataFilePath("topmenu.gif"));
  form.reloadMovie(exitMe, form.dataFilePath("exit.gif"));
  form.run(form1::Recall);
}

}  // namespace

void wireStartup(Form1& form) {
  form.window().onLoad = [&form] { startUp(form); };
}

}  // namespace hifz
