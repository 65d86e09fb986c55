#pragma once

#include <QString>

#include "content/recited/recited_build.h"

namespace hifz {

/// What a build made, for the learner, in Arabic: how many chapters and
/// verses, the verses left out by chapter, the files skipped with why, and
/// the builder's notes.
QString reciterReport(const content::BuildSummary& summary);

/// The same in one line, for the program's standard output.
QString reciterReportLine(const content::BuildSummary& summary);

}  // namespace hifz
