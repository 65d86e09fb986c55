#include "recited_content/chapter_choice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "content/recited/recited_chapter.h"

namespace hifz::content {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<int> range(int first, int last) {
  std::vector<int> numbers;
  for (int n = first; n <= last; ++n) numbers.push_back(n);
  return numbers;
}

TEST(ChapterChoice, ChaptersAreNumbersAndRangesFromOneTo114) {
  std::vector<int> lastPartAndFatihah = range(78, 114);
  lastPartAndFatihah.push_back(1);
  const std::pair<const char*, std::vector<int>> good[] = {
      {"78-114,1", lastPartAndFatihah},
      {"114", {114}},
      {"1-114", range(1, 114)},
      {" 2 , 3 ", {2, 3}},
      {"7-7", {7}},
      {"5,3,5,4-6", {5, 3, 4, 6}},
  };
  for (const auto& [list, surahs] : good) {
    const ChapterChoice choice = chaptersNamed(list);
    EXPECT_EQ(choice.problem, "") << list;
    EXPECT_EQ(choice.surahs, surahs) << list;
  }
  const std::pair<const char*, const char*> bad[] = {
      {"0", "\"0\" is not a chapter (chapters are 1 to 114)"},
      {"115", "\"115\" goes past the last chapter"},
      {"100-115", "\"100-115\" goes past the last chapter"},
      {"5-3", "\"5-3\" runs backwards"},
      {"junk", "\"junk\" is not a chapter"},
      {"", "\"\" is not a chapter"},
      {"1,", "\"\" is not a chapter"},
      {"-5", "\"-5\" is not a chapter"},
      {"78-", "\"78-\" is not a chapter"},
      {"1-2-3", "\"1-2-3\" is not a chapter"},
      {"99999999999999999999", "is not a chapter"},
      {"0x10", "is not a chapter"},
      {"+5", "is not a chapter"},
  };
  for (const auto& [list, why] : bad) {
    const ChapterChoice choice = chaptersNamed(list);
    EXPECT_THAT(choice.problem, HasSubstr(why)) << list;
    EXPECT_TRUE(choice.surahs.empty()) << list;
  }
}

TEST(ChapterChoice, PartsAreWholeEveryChapterWithAVerseInThemOnce) {
  std::vector<int> lastTwo = range(78, 114);
  for (const int surah : range(67, 77)) lastTwo.push_back(surah);
  const std::pair<const char*, std::vector<int>> good[] = {
      {"30,29", lastTwo}, {"30", range(78, 114)}, {"1", {1, 2}},
      {"1-3", {1, 2, 3}}, {"3-4", {2, 3, 4}},
  };
  for (const auto& [list, surahs] : good) {
    const ChapterChoice choice = chaptersOfParts(list);
    EXPECT_EQ(choice.problem, "") << list;
    EXPECT_EQ(choice.surahs, surahs) << list;
  }
  for (const char* list : {"0", "31", "3-1", "junk", ""}) {
    const ChapterChoice choice = chaptersOfParts(list);
    EXPECT_THAT(choice.problem, HasSubstr("\"" + std::string(list) + "\"")) << list;
    EXPECT_TRUE(choice.surahs.empty()) << list;
  }
}

TEST(ChapterChoice, TheChapterABuildNamesIsFoundByItsNumber) {
  const std::pair<const char*, int> cases[] = {
      {"1-1/An Nas (114)", 114},
      {"1/002 Al-Baqarah (2)", 2},
      {"29/067 Al-Mulk (67)", 67},
      {"1-1/An Nas", 0},
      {"x (115)", 0},
      {"x (0)", 0},
      {"x (12a)", 0},
      {"x (114", 0},
      {"", 0},
  };
  for (const auto& [name, surah] : cases) EXPECT_EQ(chapterNumberIn(name), surah) << name;
}

}  // namespace
}  // namespace hifz::content
