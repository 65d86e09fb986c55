#pragma once

#include <functional>

#include "platform/progress_store.h"

namespace hifz {

class Form1;

/// How long the grade strip waits for a grade.
inline constexpr std::int64_t kGradeStripMs = 8000;

/// Wires the grade strip (`GradeStrip`): its four grades, each of which
/// reviews the passage's card through the scheduler and keeps it, and its
/// timer. The function returned offers the strip after a reading that ran to
/// its end: a verse, a range once or step by step, never the whole chapter.
std::function<void(const Reading&)> wireGradeStrip(Form1& form);

/// Hides the grade strip at the first press anywhere but on it: on a control
/// of the window, or on a movie's button. Goes before every handler already
/// wired, so it runs after the rest of the wiring.
void wireGradeStripDismissal(Form1& form);

}  // namespace hifz
