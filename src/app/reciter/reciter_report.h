#pragma once

#include <QString>
#include <QStringList>

#include "recited_content/recited_build.h"

namespace hifz {

/// What a build made, for the learner, in Arabic: how many chapters and
/// verses, the verses left out by chapter, and the files skipped with why.
QString reciterReport(const content::BuildSummary& summary, const QStringList& problems);

/// The same in one line, for the program's standard output.
QString reciterReportLine(const content::BuildSummary& summary, int problems);

}  // namespace hifz
