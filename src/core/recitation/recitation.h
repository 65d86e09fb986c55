#pragma once

namespace hifz {

class Form1;

/// Gives the recitation controls of the main window their procedures and
/// handlers: verse selection, range selection, the sequencer, the
/// repetition settings and what is remembered of them between runs.
void wireRecitation(Form1& form);

}  // namespace hifz
