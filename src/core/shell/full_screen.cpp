#include "shell/full_screen.h"

#include "shell/change_res.h"
#include "shell/form1.h"

namespace hifz {
namespace {

constexpr int kFullScreenWidthPx = 800;
constexpr int kFullScreenHeightPx = 600;

void leaveFullScreen(Form1& form) {
  WindowControl& window = form.window();
  restoreStartUpMode(form);
  window.setWindowState(WindowState::Normal);
  const WindowSystem& screen = form.platform().windows;
  window.setTop(screen.screenHeightTwips() / 2 - window.height() / 2);
  window.setLeft(screen.screenWidthTwips() / 2 - window.width() / 2);
}

void enterFullScreen(Form1& form) {
  WindowControl& window = form.window();
  window.setTop(0);
  window.setLeft(0);
  ChangeRes(form.platform(), kFullScreenWidthPx, kFullScreenHeightPx, currentColourDepth(form));
  window.setWindowState(WindowState::Maximized);
}

}  // namespace

void wireFullScreenToggle(Form1& form) {
  form.window().onDoubleClick = [&form] {
    if (form.window().windowState() == WindowState::Maximized)
      leaveFullScreen(form);
    else
      enterFullScreen(form);
  };
}

}  // namespace hifz
