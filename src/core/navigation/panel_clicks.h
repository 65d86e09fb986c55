#pragma once

namespace hifz {

class Form1;

/// Clicks that open or close a panel: the breaths panel `Picture3` closes and
/// brings the first menu page back; the thanks button `Image10` opens the
/// acknowledgements page `Picture13`, which a click closes; `Image6` shows the
/// working panel `Picture2`.
void wirePanelClicks(Form1& form);

}  // namespace hifz
