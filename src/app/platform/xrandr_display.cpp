#include "platform/xrandr_display.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace hifz {
namespace {

::Display* asX(Display::Context context) { return reinterpret_cast<::Display*>(context); }

}  // namespace

XRandrDisplay::XRandrDisplay() : display_(XOpenDisplay(nullptr)) {
  int eventBase = 0, errorBase = 0;
  randr_ = display_ && XRRQueryExtension(display_, &eventBase, &errorBase);
}

XRandrDisplay::~XRandrDisplay() {
  if (display_) XCloseDisplay(display_);
}

bool XRandrDisplay::available() const { return randr_; }

Display::Context XRandrDisplay::openContext() {
  return reinterpret_cast<Context>(XOpenDisplay(nullptr));
}

int XRandrDisplay::bitsPerPixel(Context context) const {
  if (!context) return 0;
  return DefaultDepth(asX(context), DefaultScreen(asX(context)));
}

int XRandrDisplay::sizeIndex(int width, int height) const {
  int count = 0;
  const XRRScreenSize* sizes = XRRSizes(display_, DefaultScreen(display_), &count);
  for (int i = 0; sizes && i < count; ++i)
    if (sizes[i].width == width && sizes[i].height == height) return i;
  return -1;
}

ModeTest XRandrDisplay::testMode(int width, int height, int bitsPerPixel) {
  if (!randr_ || bitsPerPixel != DefaultDepth(display_, DefaultScreen(display_)))
    return ModeTest::NotUsable;
  return sizeIndex(width, height) >= 0 ? ModeTest::Usable : ModeTest::NotUsable;
}

void XRandrDisplay::applyMode(int width, int height, int) {
  const int index = randr_ ? sizeIndex(width, height) : -1;
  if (index < 0) return;
  const Window root = DefaultRootWindow(display_);
  XRRScreenConfiguration* config = XRRGetScreenInfo(display_, root);
  if (!config) return;
  Rotation rotation = 0;
  XRRConfigCurrentConfiguration(config, &rotation);
  XRRSetScreenConfig(display_, config, root, index, rotation, CurrentTime);
  XRRFreeScreenConfigInfo(config);
  XSync(display_, False);
}

void XRandrDisplay::releaseContext(Context context) {
  if (context) XCloseDisplay(asX(context));
}

}  // namespace hifz
