#pragma once

namespace hifz {

/// The face the program draws its Arabic texts in; scripts/setup installs it
/// (Debian's fonts-hosny-amiri).
inline constexpr char kArabicFont[] = "Amiri";

}  // namespace hifz
