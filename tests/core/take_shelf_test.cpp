#include "recitation/take_shelf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace hifz {
namespace {

Take takeOf(int verse, std::size_t samples) {
  return Take{
      {114, verse}, "verse.gif", std::vector<std::int16_t>(samples, 1), 16000, verse * 1000};
}

TEST(TakeShelf, EachVerseKeepsItsLastTake) {
  TakeShelf shelf(100);
  shelf.keep(takeOf(1, 10));
  shelf.keep(takeOf(2, 20));
  shelf.keep(takeOf(1, 30));
  EXPECT_EQ(shelf.size(), 2U);
  EXPECT_EQ(shelf.samples(), 50U);
  EXPECT_EQ(shelf.of({114, 1})->samples.size(), 30U);
  EXPECT_EQ(shelf.last()->verse, (VerseKey{114, 1}));
  EXPECT_EQ(shelf.of({113, 1}), nullptr);
}

TEST(TakeShelf, TheOldestGoFirstToMakeRoom) {
  TakeShelf shelf(100);
  for (int verse = 1; verse <= 4; ++verse) shelf.keep(takeOf(verse, 30));
  EXPECT_EQ(shelf.of({114, 1}), nullptr);
  EXPECT_NE(shelf.of({114, 2}), nullptr);
  EXPECT_EQ(shelf.samples(), 90U);
  shelf.keep(takeOf(5, 100));
  EXPECT_EQ(shelf.size(), 1U);
  EXPECT_EQ(shelf.last()->verse.verse, 5);
}

TEST(TakeShelf, ATakeLargerThanAllTheRoomIsNotKeptNorDoesItEmptyTheShelf) {
  TakeShelf shelf(100);
  shelf.keep(takeOf(1, 40));
  shelf.keep(takeOf(2, 101));
  EXPECT_EQ(shelf.size(), 1U);
  EXPECT_EQ(shelf.last()->verse.verse, 1);
  shelf.clear();
  EXPECT_EQ(shelf.last(), nullptr);
  EXPECT_EQ(shelf.samples(), 0U);
}

}  // namespace
}  // namespace hifz
