#pragma once

namespace hifz {

class Form1;

/// The two ways the program ends. The exit movie's "click" "1" plays the click
/// sound, returns the display to its start-up mode, releases the display and
/// ends the program at once; "0" brings the top menu back. Any other close of
/// the main window returns the display and releases it. Whichever runs first is
/// the only one that runs.
void wireShutdown(Form1& form);

}  // namespace hifz
