// hifz-e2e-close-window <window id>: asks a window to close as a window
// manager would, with WM_DELETE_WINDOW; the virtual display has no window
// manager to do it.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("usage: hifz-e2e-close-window <window id>\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("hifz-e2e-close-window: cannot open the display\n", stderr);
    return 1;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
  XCloseDisplay(display);
  return sent != 0 ? 0 : 1;
}
