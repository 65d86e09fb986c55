#include "recitation/verse_code.h"

#include <array>

namespace hifz {
namespace {

// The chapter folders name verse movies by these codes; they are content, not
// a formula to be computed.
constexpr std::array<std::string_view, kLastCodedVerse> kVerseCodes = {
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",                       // 1-9
    "a",  "b",  "c",  "d",  "e",  "f",  "g",  "h",  "i",  "j", "k", "l", "m",  // 10-22
    "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",  "v",  "w", "x", "y",       // 23-34
    "z1", "z2", "z3", "z4", "z5", "z6", "z7", "z8", "z9",                      // 35-43
    "za", "zb", "zc", "zd",                                                    // 44-47
};

}  // namespace

std::string_view VerseCode(int verseNumber) {
  if (verseNumber < 1 || verseNumber > kLastCodedVerse) return {};
  return kVerseCodes[verseNumber - 1];
}

}  // namespace hifz
