#pragma once

#include <cstdint>

namespace hifz {

/// Result of testing a display mode.
enum class ModeTest { Usable, NeedsRestart, NotUsable };

/// Display modes of the screen the program runs on.
class Display {
 public:
  using Context = std::uintptr_t;
  virtual ~Display() = default;
  /// Opens a context for the whole display; 0 when none could be opened.
  virtual Context openContext() = 0;
  /// Colour depth in bits per pixel seen through `context`; 0 for a null context.
  virtual int bitsPerPixel(Context context) const = 0;
  /// Whether the mode could be applied, without changing anything.
  virtual ModeTest testMode(int width, int height, int bitsPerPixel) = 0;
  /// Applies the mode and keeps it as the display's setting.
  virtual void applyMode(int width, int height, int bitsPerPixel) = 0;
  /// Asks the system to restart the computer.
  virtual void restartComputer() = 0;
  /// Releases a context from openContext(); a null context is ignored.
  virtual void releaseContext(Context context) = 0;
};

/// A display that accepts every mode and changes nothing.
class NullDisplay final : public Display {
 public:
  Context openContext() override { return 1; }
  int bitsPerPixel(Context context) const override { return context ? 24 : 0; }
  ModeTest testMode(int, int, int) override { return ModeTest::Usable; }
  void applyMode(int, int, int) override {}
  void restartComputer() override {}
  void releaseContext(Context) override {}
};

}  // namespace hifz
