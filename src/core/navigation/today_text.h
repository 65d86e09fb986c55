#pragma once

#include <cstdint>
#include <string>

#include "progress/passage.h"

namespace hifz {

/// `number` in Arabic-Indic digits ("١٢"); a negative number is "٠".
std::string arabicDigits(std::int64_t number);

/// A count and its noun as Arabic says it: "يوماً", "يومين", "٣ أيام", "١١ يوماً".
struct CountedNoun {
  const char* one;
  const char* two;
  const char* few;   // 3 to 10
  const char* many;  // 11 and more
};
std::string counted(std::int64_t count, const CountedNoun& noun);

/// Days as the object of a verb ("تأخرت يومين").
inline constexpr CountedNoun kDaysLate = {"يوماً", "يومين", "أيام", "يوماً"};
inline constexpr CountedNoun kMinutes = {"دقيقة", "دقيقتان", "دقائق", "دقيقة"};

/// A passage as an entry of "Today" names it: "النبأ ١–٥", "الناس ٣".
std::string passageText(const Passage& passage);

/// An entry's caption: the passage, and how late its review is when it is.
std::string dueText(const Passage& passage, std::int64_t daysOverdue);

/// The "Today" button's caption, with the passages due when there are any.
std::string todayButtonText(std::size_t due);

}  // namespace hifz
