#pragma once

#include <memory>

#include "recitation/range_plan.h"
#include "recitation/remembered_reading.h"

namespace hifz {

class Form1;

/// Range choosing and the lists handed to the reading: `Check2` (choosing on),
/// `Command3` (the range panel's answer), `Range` (build the range list and
/// its plan, in verse order or drilled, and read it), `Command2` (read the
/// last range again), `Command1` (read the chapter's "?-all.gif" movies),
/// `LastRange` (show the chapter's last range in the range labels while no
/// range is chosen or read), and the range labels themselves, which read that
/// range again when clicked.
void wireRangeSelection(Form1& form, const std::shared_ptr<RangePlan>& plan,
                        const std::shared_ptr<RememberedReading>& memory);

}  // namespace hifz
