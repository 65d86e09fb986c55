#pragma once

#include <memory>

#include "recitation/poll_period.h"
#include "recitation/range_plan.h"

namespace hifz {

class Form1;
class ReadingLog;

/// The reading itself: `StopIt` starts or stops it, `Read` plays the current
/// entry, `Timer1` polls the main display for the end of a play, `Timer2`
/// starts the next play after a pause, `reset` returns to idle and the stop
/// button `playing` ends a reading on the user's click. During a pause of
/// pause mode the countdown shows the learner's turn. A range is read in the
/// order of its plan: a chained span once, and in pause mode a pause after a
/// drilled verse's plays and after each span. Each play, each play heard
/// whole and each learner's turn is told to `log`.
void wireSequencer(Form1& form, const std::shared_ptr<PollPeriod>& period,
                   const std::shared_ptr<RangePlan>& plan, const std::shared_ptr<ReadingLog>& log);

/// Ends a reading that is going on, playing or pausing, as the stop button
/// does; nothing when none is. For a main display that lost its movie.
void stopAnyReading(Form1& form);

/// A reading plays or pauses (the learner's turn).
bool readingGoesOn(const Form1& form);

}  // namespace hifz
