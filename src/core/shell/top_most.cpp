#include "shell/top_most.h"

namespace hifz {

void TopMostOn(WindowSystem& windows, const WindowSystem::WindowHandle& window) {
  windows.setTopMost(window, true);
}

void TopMostOff(WindowSystem& windows, const WindowSystem::WindowHandle& window) {
  windows.setTopMost(window, false);
}

}  // namespace hifz
