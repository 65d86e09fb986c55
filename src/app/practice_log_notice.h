#pragma once

#include "platform/sqlite_progress_store.h"

namespace hifz {

class MsgFormHolder;

/// Tells the learner, in the program's own dialog, that the practice log was
/// set aside and a new one began, or that readings cannot be kept.
void tellAboutPracticeLog(MsgFormHolder& msgForm, LogTrouble trouble);

}  // namespace hifz
