#pragma once

namespace hifz {

class Form1;

/// `DoingIt`: plays the click sound "ding.gif" afresh in the `ding` slot.
void wireClickSound(Form1& form);

}  // namespace hifz
