#include "platform/x11_screen.h"

#include <QGuiApplication>

// Xlib last: its macros (Status, Bool, None) break Qt headers that follow.
#include <X11/Xlib.h>

namespace hifz {

std::optional<QSize> currentX11ScreenSize() {
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  ::Display* display = x11 ? x11->display() : nullptr;
  if (!display) return std::nullopt;
  ::Window root = 0;
  int x = 0, y = 0;
  unsigned width = 0, height = 0, border = 0, depth = 0;
  if (!XGetGeometry(display, DefaultRootWindow(display), &root, &x, &y, &width, &height, &border,
                    &depth))
    return std::nullopt;
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

}  // namespace hifz
