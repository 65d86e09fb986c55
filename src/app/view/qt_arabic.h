#pragma once

#include <QCoreApplication>
#include <QLocale>

namespace hifz {

/// The locale the program's windows speak: Arabic, with Arabic-Indic digits
/// and dates marked to read right to left.
QLocale arabicLocale();

/// Qt's own words (the file chooser's buttons and labels, its dates and
/// sizes) in Arabic, as the program's own windows speak. Call once the
/// application exists. Returns false, Qt's words staying English, when
/// Qt's translations (Debian's qt6-translations-l10n) are not installed.
bool speakArabicInQtWindows(QCoreApplication& app);

}  // namespace hifz
