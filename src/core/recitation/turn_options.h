#pragma once

namespace hifz {

class Form1;

/// The learner's turn options, on a panel beside the options panel (`TurnOptions`):
/// hide the verse (`HideVerse`), record the turn (`RecordTurn`), end the turn
/// when the learner stops (`EndOnSilence`). A click on an option's label turns
/// its check box over, with the click sound, and keeps it (`Remember`); the
/// label shows a ticked or an empty box before its words whenever the check
/// box changes.
void wireTurnOptions(Form1& form);

}  // namespace hifz
