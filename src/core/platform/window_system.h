#pragma once

#include <cstdint>
#include <span>

namespace hifz {

class Control;
class WindowControl;

enum class WindowState { Normal = 0, Maximized = 2 };

/// The screen and the window-manager side of the main window and the dialog.
class WindowSystem {
 public:
  using WindowHandle = std::uintptr_t;
  virtual ~WindowSystem() = default;
  /// Screen size in twips.
  virtual float screenWidthTwips() const = 0;
  virtual float screenHeightTwips() const = 0;
  /// How many twips make one screen pixel, horizontally and vertically.
  virtual float twipsPerPixelX() const = 0;
  virtual float twipsPerPixelY() const = 0;
  /// Puts the window in front of all others that are not top-most, or takes that away,
  /// without moving or resizing it.
  virtual void setTopMost(WindowHandle window, bool topMost) = 0;
  /// Makes the on-screen window of a window of the model, drawn from its controls and
  /// following their changes; it appears when the model window is made visible.
  /// Returns its handle, never 0.
  virtual WindowHandle openWindow(WindowControl& window, std::span<Control* const> controls) = 0;
  /// Takes the window off the screen for good; its model may be gone afterwards.
  virtual void closeWindow(WindowHandle window) = 0;
  /// Brings the window to the front and gives it the keyboard.
  virtual void activate(WindowHandle window) = 0;
  /// Ends the program at once; no window's unload procedure runs afterwards.
  virtual void endProgram() = 0;
};

/// A 800 x 600 pixel screen at 15 twips per pixel, whose windows are never drawn
/// and which has no program to end.
class NullWindowSystem final : public WindowSystem {
 public:
  float screenWidthTwips() const override { return 12000; }
  float screenHeightTwips() const override { return 9000; }
  float twipsPerPixelX() const override { return 15; }
  float twipsPerPixelY() const override { return 15; }
  void setTopMost(WindowHandle, bool) override {}
  WindowHandle openWindow(WindowControl&, std::span<Control* const>) override {
    return ++lastHandle_;
  }
  void closeWindow(WindowHandle) override {}
  void activate(WindowHandle) override {}
  void endProgram() override {}

 private:
  WindowHandle lastHandle_ = 0;
};

}  // namespace hifz
