#pragma once

namespace hifz {

class Form1;

/// The learner's turn as the sequencer gives it: `TurnBegins` runs as the
/// countdown starts, `TurnEnds` as the turn ends, by its time or stopped
/// (running it outside a turn does nothing). While the turn lasts, the
/// verse's cover `VerseCover` hides the verse when `HideVerse` is on (the
/// next play shows the verse again), and the turn is listened to as the
/// options say (`TurnListener`); its take can be heard and kept afterwards
/// (`ListenBack`).
void wireLearnersTurn(Form1& form);

}  // namespace hifz
