#pragma once

#include <memory>

#include "recitation/poll_period.h"

namespace hifz {

class Form1;

/// The options panel (repeat count arrows `Label8` / `Label9`, 1 to 99,
/// stepping on while held down; pause keypad
/// `Image5(0..8)`, no-pause `Image25`, close `Image18`), the range panel's
/// answers (`Image23` without end, `Image24` once, `Image26` drilled step by
/// step) and `Check4`'s display. Each change is kept (`Remember`).
void wireRepetitionSettings(Form1& form, const std::shared_ptr<PollPeriod>& period);

/// Pause mode with `seconds` on top of each verse's length, as the keypad
/// sets it; 0 turns it off, as the no-pause button does.
void setPause(Form1& form, PollPeriod& period, int seconds);

/// How a range is read, the range panel's answer, kept in `Check3` (without
/// end) and `Check5` (step by step).
enum class RangeWay { Once, WithoutEnd, Drill };
RangeWay rangeWay(const Form1& form);
void setRangeWay(Form1& form, RangeWay way);

}  // namespace hifz
