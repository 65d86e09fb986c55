#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace hifz {

class Form1;

/// Puts the display into the mode when it can be used at once and keeps it as
/// the display's setting; a mode that needs a restart asks whether to restart
/// the computer now ("You've to reboot"), any other is refused with
/// "Mode not supported". Both messages wait for the user.
void ChangeRes(Platform& platform, std::int32_t width, std::int32_t height,
               std::int32_t bitsPerPixel);

/// The colour depth the display has now, read through the context opened at start.
std::int32_t currentColourDepth(Form1& form);

/// Returns the display to the size found at start, at the colour depth it has now.
void restoreStartUpMode(Form1& form);

}  // namespace hifz
