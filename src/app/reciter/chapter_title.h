#pragma once

#include <QString>
#include <string>

namespace hifz {

/// The Arabic title of a chapter the content builder names by its folder:
/// "سورة الأعلى" for "2-1/Al Ala (87)", from the Quran text the builder
/// reads. A name the catalog does not hold, or a text that cannot be read,
/// gives the builder's name itself, set apart as left-to-right text.
QString arabicChapterTitle(const std::string& builtName);

}  // namespace hifz
