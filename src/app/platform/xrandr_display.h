#pragma once

#include "platform/display.h"

struct _XDisplay;

namespace hifz {

/// Display modes through the X server's RandR extension. Depth cannot change
/// on X, so a mode of another depth is not usable; no mode needs a restart.
class XRandrDisplay final : public Display {
 public:
  XRandrDisplay();
  ~XRandrDisplay() override;
  XRandrDisplay(const XRandrDisplay&) = delete;
  XRandrDisplay& operator=(const XRandrDisplay&) = delete;

  /// Whether the X server is there and speaks RandR.
  bool available() const;

  Context openContext() override;
  int bitsPerPixel(Context context) const override;
  ModeTest testMode(int width, int height, int bitsPerPixel) override;
  void applyMode(int width, int height, int bitsPerPixel) override;
  /// Never asked for: testMode() does not answer NeedsRestart.
  void restartComputer() override {}
  void releaseContext(Context context) override;

 private:
  /// Index of the screen size of `width` x `height`, or -1.
  int sizeIndex(int width, int height) const;

  _XDisplay* display_ = nullptr;
  bool randr_ = false;
};

}  // namespace hifz
