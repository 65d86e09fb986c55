#pragma once

namespace hifz {

class Form1;

/// Gives the recitation controls of the main window their procedures and
/// handlers: verse selection, range selection, the sequencer and the
/// repetition settings.
void wireRecitation(Form1& form);

}  // namespace hifz
