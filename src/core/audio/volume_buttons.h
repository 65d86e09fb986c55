#pragma once

namespace hifz {

class Form1;

/// The volume row of the options panel: `VUP` and `Vdown` move the level
/// (0 to 7) in `volup`, the value in `vText`, the marker `volstate`, and
/// write the value to the speakers' volume control.
void wireVolumeButtons(Form1& form);

}  // namespace hifz
