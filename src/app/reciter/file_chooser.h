#pragma once

#include <QString>

class QWidget;

namespace hifz {

/// The learner's choice of a reciter's zip file, or empty when none was
/// chosen: Qt's own chooser, titled and worded by Qt's translations, with
/// its sizes, kinds and dates in the program's locale.
QString chooseZipFile(QWidget* parent);

/// The same for a folder of a reciter's files.
QString chooseFilesFolder(QWidget* parent);

}  // namespace hifz
