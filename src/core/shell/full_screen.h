#pragma once

namespace hifz {

class Form1;

/// A double-click on the main window's background switches between the normal
/// window and the full-screen view: the display in 800 x 600 pixel mode and the
/// window maximised. Back in the normal window the display has its start-up
/// mode again and the window is centred. The window state follows even when the
/// display refuses the mode.
void wireFullScreenToggle(Form1& form);

}  // namespace hifz
