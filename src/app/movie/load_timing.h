#pragma once

#include <QString>

namespace hifz {

/// With HIFZ_TIMING set in the environment, a movie load's steps are written
/// to stderr as "hifz-timing <ms> <step> <slot> <load> [name=ms ...]", the
/// first figure on the system's monotonic clock, so that scripts/bench can
/// split a click's or a gap's time. Without it, nothing is written.
void traceLoadStep(const char* step, const QString& slot, int load, const QString& details = {});

}  // namespace hifz
