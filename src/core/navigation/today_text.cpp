#include "navigation/today_text.h"

#include "progress/chapter_names.h"

namespace hifz {

std::string arabicDigits(std::int64_t number) {
  if (number < 0) number = 0;
  std::string digits;
  do {
    // U+0660 to U+0669: 0xD9 0xA0 to 0xD9 0xA9 in UTF-8.
    digits.insert(0, std::string{'\xD9', static_cast<char>(0xA0 + number % 10)});
    number /= 10;
  } while (number > 0);
  return digits;
}

std::string counted(std::int64_t count, const CountedNoun& noun) {
  if (count == 1) return noun.one;
  if (count == 2) return noun.two;
  return arabicDigits(count) + " " + (count >= 3 && count <= 10 ? noun.few : noun.many);
}

std::string passageText(const Passage& passage) {
  std::string text(chapterName(passage.chapter));
  text += " " + arabicDigits(passage.firstVerse);
  if (passage.lastVerse != passage.firstVerse) text += "–" + arabicDigits(passage.lastVerse);
  return text;
}

std::string dueText(const Passage& passage, std::int64_t daysOverdue) {
  // A date from a broken clock is not worth its digits.
  constexpr std::int64_t kLongAgo = 999;
  if (daysOverdue <= 0) return passageText(passage);
  return passageText(passage) + "، " +
         (daysOverdue > kLongAgo ? std::string("تأخرت طويلاً")
                                 : "تأخرت " + counted(daysOverdue, kDaysLate));
}

std::string todayButtonText(std::size_t due) {
  return due == 0 ? "اليوم" : "اليوم (" + arabicDigits(static_cast<std::int64_t>(due)) + ")";
}

}  // namespace hifz
