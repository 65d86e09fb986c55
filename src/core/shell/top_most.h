#pragma once

#include "platform/window_system.h"

namespace hifz {

/// Keeps the window above all ordinary windows, where it stays and at its size.
void TopMostOn(WindowSystem& windows, const WindowSystem::WindowHandle& window);
/// Puts the window back among the ordinary windows.
void TopMostOff(WindowSystem& windows, const WindowSystem::WindowHandle& window);

}  // namespace hifz
