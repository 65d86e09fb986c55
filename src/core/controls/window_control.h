#pragma once

#include <functional>

#include "controls/simple_controls.h"
#include "platform/window_system.h"

namespace hifz {

/// A top-level window: its caption, place on the screen, state, and the
/// procedures that run when it is loaded and when it is closed.
class WindowControl final : public CaptionedControl {
 public:
  explicit WindowControl(std::string name)
      : CaptionedControl(std::move(name), ControlKind::Window) {}
  WindowState windowState() const { return state_; }
  void setWindowState(WindowState value) { assign(state_, value, Property::WindowState); }
  /// The on-screen window's handle, given by whoever made that window; 0 before.
  WindowSystem::WindowHandle handle() const { return handle_; }
  void setHandle(WindowSystem::WindowHandle value) { handle_ = value; }

  std::function<void()> onLoad;
  std::function<void()> onUnload;

 private:
  WindowState state_ = WindowState::Normal;
  WindowSystem::WindowHandle handle_ = 0;
};

}  // namespace hifz
