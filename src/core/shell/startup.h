#pragma once

namespace hifz {

class Form1;

/// The main window's load procedure: measures the screen, places the window
/// and its panels, opens the mixer, sets the first volume and loads the movies
/// of the menu screen. Stops after opening the mixer when that fails.
void wireStartup(Form1& form);

}  // namespace hifz
