#pragma once

#include <memory>

#include "recitation/poll_period.h"

namespace hifz {

class Form1;

/// The options panel (repeat count arrows `Label8` / `Label9`, pause keypad
/// `Image5(0..8)`, no-pause `Image25`, close `Image18`), the range panel's
/// answers (`Image23` without end, `Image24` once, `Image26` drilled step by
/// step) and `Check4`'s display. Each change is kept (`Remember`).
void wireRepetitionSettings(Form1& form, const std::shared_ptr<PollPeriod>& period);

}  // namespace hifz
