#include "recitation/recitation.h"

#include <memory>

#include "recitation/grade_strip.h"
#include "recitation/learners_turn.h"
#include "recitation/range_plan.h"
#include "recitation/range_selection.h"
#include "recitation/reading_log.h"
#include "recitation/remembered_reading.h"
#include "recitation/repetition_settings.h"
#include "recitation/sequencer.h"
#include "recitation/turn_options.h"
#include "recitation/verse_selection.h"

namespace hifz {

void wireRecitation(Form1& form) {
  // Shared by the pause keypad and the sequencer, which both write pauses into `Text1`.
  const auto period = std::make_shared<PollPeriod>();
  // Built by the range selection, followed by the sequencer.
  const auto plan = std::make_shared<RangePlan>();
  const auto memory = std::make_shared<RememberedReading>();
  wireVerseSelection(form);
  wireRangeSelection(form, plan, memory);
  wireSequencer(form, period, plan, std::make_shared<ReadingLog>(form, wireGradeStrip(form)));
  wireRepetitionSettings(form, period);
  wireRememberedReading(form, period, memory);
  wireTurnOptions(form);
  wireLearnersTurn(form);
}

}  // namespace hifz
