#include "recitation/verse_code.h"

#include <array>
#include <string>

namespace hifz {
namespace {

constexpr int kOriginalVerses = 47;

// The chapter folders of the original course name verse movies by these
// codes; they are content, not a formula to be computed.
constexpr std::array<std::string_view, kOriginalVerses> kOriginalCodes = {
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",                       // 1-9
    "a",  "b",  "c",  "d",  "e",  "f",  "g",  "h",  "i",  "j", "k", "l", "m",  // 10-22
    "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",  "v",  "w", "x", "y",       // 23-34
    "z1", "z2", "z3", "z4", "z5", "z6", "z7", "z8", "z9",                      // 35-43
    "za", "zb", "zc", "zd",                                                    // 44-47
};

std::array<std::string, kLastCodedVerse> makeCodes() {
  std::array<std::string, kLastCodedVerse> codes;
  for (int verse = 1; verse <= kLastCodedVerse; ++verse) {
    const std::string number = std::to_string(verse);
    codes[verse - 1] = verse <= kOriginalVerses
                           ? std::string(kOriginalCodes[verse - 1])
                           : "zz" + std::string(3 - number.size(), '0') + number;
  }
  return codes;
}

}  // namespace

std::string_view VerseCode(int verseNumber) {
  static const std::array<std::string, kLastCodedVerse> codes = makeCodes();
  if (verseNumber < 1 || verseNumber > kLastCodedVerse) return {};
  return codes[verseNumber - 1];
}

int verseOfMovie(std::string_view fileName) {
  const std::size_t hyphen = fileName.find('-');
  if (hyphen == std::string_view::npos) return 0;
  // Names are matched ignoring letter case.
  std::string code(fileName.substr(0, hyphen));
  for (char& letter : code)
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
  for (int verse = 1; verse <= kLastCodedVerse; ++verse)
    if (VerseCode(verse) == code) return verse;
  return 0;
}

}  // namespace hifz
