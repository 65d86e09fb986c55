#include "recitation/verse_code.h"

#include <gtest/gtest.h>

#include <iterator>
#include <utility>

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

TEST(VerseCode, AMoviesNameGivesItsVerse) {
  const std::pair<const char*, int> cases[] = {
      {"5-1.gif", 5},       {"z1-003.gif", 35}, {"Z1-003.GIF", 35},
      {"zz286-1.gif", 286}, {"zd-.gif", 47},    {"menu.gif", 0},
      {"0-all.gif", 0},     {"-1.gif", 0},      {"zz287-1.gif", 0},
  };
  for (const auto& [name, verse] : cases) EXPECT_EQ(verseOfMovie(name), verse) << name;
}

}  // namespace
}  // namespace hifz
