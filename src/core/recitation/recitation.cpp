#include "recitation/recitation.h"

#include <memory>

#include "recitation/range_selection.h"
#include "recitation/repetition_settings.h"
#include "recitation/sequencer.h"
#include "recitation/verse_selection.h"

namespace hifz {

void wireRecitation(Form1& form) {
  // Shared by the pause keypad and the sequencer, which both write pauses into `Text1`.
  const auto period = std::make_shared<PollPeriod>();
  wireVerseSelection(form);
  wireRangeSelection(form);
  wireSequencer(form, period);
  wireRepetitionSettings(form, period);
}

}  // namespace hifz
