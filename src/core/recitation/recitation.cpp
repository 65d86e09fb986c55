#include "recitation/recitation.h"

#include "recitation/range_selection.h"
#include "recitation/repetition_settings.h"
#include "recitation/sequencer.h"
#include "recitation/verse_selection.h"

namespace hifz {

void wireRecitation(Form1& form) {
  wireVerseSelection(form);
  wireRangeSelection(form);
  wireSequencer(form);
  wireRepetitionSettings(form);
}

}  // namespace hifz
