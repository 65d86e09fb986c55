#include "recitation/verse_code.h"

#include <gtest/gtest.h>

#include <iterator>

namespace hifz {
namespace {

TEST(VerseCode, EveryVerseFromOneTo47HasItsCode) {
  const char* const expected[] = {
      "1", "2", "3",  "4",  "5",  "6",  "7",  "8",  "9",  "a",  "b",  "c",  "d",  "e",  "f",  "g",
      "h", "i", "j",  "k",  "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",  "v",  "w",
      "x", "y", "z1", "z2", "z3", "z4", "z5", "z6", "z7", "z8", "z9", "za", "zb", "zc", "zd",
  };
  for (int verse = 1; verse <= static_cast<int>(std::size(expected)); ++verse)
    EXPECT_EQ(VerseCode(verse), expected[verse - 1]) << verse;
}

TEST(VerseCode, OtherNumbersHaveNoCode) {
  for (int verse : {0, -1, 287, 1000}) EXPECT_EQ(VerseCode(verse), "") << verse;
}

}  // namespace
}  // namespace hifz
