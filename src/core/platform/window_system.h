#pragma once

#include <cstdint>

namespace hifz {

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
  /// Puts the window in front of all others that are not top-most, or takes that away.
  virtual void setTopMost(WindowHandle window, bool topMost) = 0;
};

/// A 800 x 600 pixel screen at 15 twips per pixel with no windows to move.
class NullWindowSystem final : public WindowSystem {
 public:
  float screenWidthTwips() const override { return 12000; }
  float screenHeightTwips() const override { return 9000; }
  float twipsPerPixelX() const override { return 15; }
  float twipsPerPixelY() const override { return 15; }
  void setTopMost(WindowHandle, bool) override {}
};

}  // namespace hifz
