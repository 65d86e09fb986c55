#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "content/catalog_file.h"
#include "content/chapter_plan.h"
#include "content/content_error.h"
#include "content/content_groups.h"
#include "content/groups_menu.h"
#include "content/look.h"
#include "content/menu_movies.h"
#include "content/movie_kit.h"
#include "content/quran_parts.h"
#include "content/quran_text.h"
#include "content/verse_page.h"

namespace hifz::content {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::vector<ChapterText>& quranTexts() {
  static const std::vector<ChapterText> texts = [] {
    std::vector<ChapterText> all;
    for (int surah = 1; surah <= 114; ++surah)
      all.push_back(readChapterText(defaultChaptersFolder(), surah));
    return all;
  }();
  return texts;
}

const std::vector<ContentGroup>& quran() {
  static const std::vector<ContentGroup> groups = quranGroups(quranTexts());
  return groups;
}

std::vector<int> range(int first, int last) {
  std::vector<int> numbers;
  for (int n = first; n <= last; ++n) numbers.push_back(n);
  return numbers;
}

TEST(QuranParts, EachPartHoldsTheChaptersThatHaveAVerseInIt) {
  EXPECT_THAT(chaptersInPart(30), ElementsAreArray(range(78, 114)));
  EXPECT_THAT(chaptersInPart(29), ElementsAreArray(range(67, 77)));
  EXPECT_THAT(chaptersInPart(1), ElementsAre(1, 2));
  EXPECT_THAT(chaptersInPart(2), ElementsAre(2));
  EXPECT_THAT(chaptersInPart(4), ElementsAre(3, 4));
  const std::pair<int, int> beginsIn[] = {{1, 1},   {2, 1},   {3, 3},   {4, 4},   {5, 6},
                                          {67, 29}, {77, 29}, {78, 30}, {114, 30}};
  for (const auto& [surah, part] : beginsIn) EXPECT_EQ(partOfChapter(surah), part) << surah;
  for (const int part : {0, 31}) EXPECT_THROW(chaptersInPart(part), std::out_of_range);
  for (const int surah : {0, 115}) EXPECT_THROW(partOfChapter(surah), std::out_of_range);
}

TEST(QuranGroups, EveryChapterHasOnePlaceTheOriginalCourseKeepingItsOwn) {
  struct Place {
    int surah;
    const char* group;
    const char* key;
    const char* folder;
  };
  const Place places[] = {
      {114, "1-1", "1", "An Nas"},        {1, "1-1", "15", "Al Fatihah"},
      {79, "2-2", "5", "Annaziat"},       {78, "2-2", "6", "078 An-Naba"},
      {67, "29", "1", "067 Al-Mulk"},     {77, "29", "11", "077 Al-Mursalat"},
      {2, "1", "1", "002 Al-Baqarah"},    {3, "3", "1", "003 Ali 'Imran"},
      {58, "28", "1", "058 Al-Mujadila"}, {5, "6", "1", "005 Al-Ma'idah"},
  };
  for (const Place& place : places) {
    SCOPED_TRACE(place.surah);
    std::vector<const ContentGroup*> holders;
    const CatalogChapter* found = nullptr;
    for (const ContentGroup& group : quran()) {
      for (const CatalogChapter& chapter : group.chapters) {
        if (chapter.surah != place.surah) continue;
        holders.push_back(&group);
        found = &chapter;
      }
    }
    ASSERT_EQ(holders.size(), 1u);
    EXPECT_EQ(holders[0]->key, place.group);
    EXPECT_EQ(found->group, place.group);
    EXPECT_EQ(found->key, place.key);
    EXPECT_EQ(found->folder, place.folder);
  }
  std::vector<int> surahs = surahsOf(quran());
  std::sort(surahs.begin(), surahs.end());
  EXPECT_THAT(surahs, ElementsAreArray(range(1, 114)));
}

TEST(QuranGroups, TheMenuGoesFromTheLastPartDownToTheFirst) {
  std::vector<std::string> keys;
  for (const ContentGroup& group : quran()) keys.push_back(group.key);
  std::vector<std::string> expected = {"1-1", "1-2", "2-1", "2-2"};
  // Parts 2 and 5 begin inside a chapter that began in the part before.
  for (int part = 29; part >= 1; --part) {
    if (part != 2 && part != 5) expected.push_back(std::to_string(part));
  }
  EXPECT_EQ(keys, expected);
  for (const ContentGroup& group : quran()) {
    if (group.part == 0) continue;
    EXPECT_EQ(group.listMovie, "part" + group.key + ".gif");
    for (std::size_t i = 0; i < group.chapters.size(); ++i)
      EXPECT_EQ(group.chapters[i].key, std::to_string(i + 1)) << group.key;
  }
}

TEST(QuranGroups, ContentShowsTheOriginalGroupsWholeOrOnlyWhatWasBuilt) {
  const std::vector<ContentGroup> original = shownGroups(quran(), {114, 1, 93});
  ASSERT_EQ(original.size(), 4u);
  EXPECT_EQ(surahsOf(original).size(), 37u);
  EXPECT_EQ(original[3].chapters.size(), 5u) << "An Naba is not in the original course";

  const std::vector<ContentGroup> beyond = shownGroups(quran(), {114, 78, 67, 2});
  std::vector<std::string> keys;
  for (const ContentGroup& group : beyond) keys.push_back(group.key);
  EXPECT_THAT(keys, ElementsAre("1-1", "2-2", "29", "1"));
  EXPECT_THAT(surahsOf(beyond), ElementsAre(114, 78, 67, 2));
  EXPECT_EQ(beyond[1].chapters[0].key, "6");
}

TEST(QuranGroups, AFolderIsNamedOnlyByPlainLetters) {
  EXPECT_EQ(chapterFolderName(67, "Al-Mulk"), "067 Al-Mulk");
  EXPECT_EQ(chapterFolderName(3, "Ali 'Imran"), "003 Ali 'Imran");
  for (const char* name : {"", "Al/Mulk", "..", "Al\tMulk", "Al\\Mulk"})
    EXPECT_THROW(chapterFolderName(67, name), ContentError) << name;
}

// Every name of every list, and every title of the top menu, fits its tile at
// the smallest size it is drawn at: nothing is cut.
TEST(QuranGroups, ListsAndTheTopMenuShowEveryNameWhole) {
  const std::vector<ContentGroup>& groups = quran();
  for (std::size_t place = 0; place < groups.size(); ++place) {
    std::vector<ListEntry> entries;
    for (const CatalogChapter& chapter : groups[place].chapters) {
      const ChapterText& text = quranTexts()[static_cast<std::size_t>(chapter.surah - 1)];
      entries.push_back({chapter.key, text.name, static_cast<int>(text.verses.size())});
    }
    const std::vector<MenuButton> buttons = chapterListButtons(place, entries);
    ASSERT_EQ(buttons.size(), entries.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      const QRectF& tile = buttons[i].area;
      EXPECT_GE(tile.width(), 80) << groups[place].key;
      const QSize nameArea(static_cast<int>(tile.width()), static_cast<int>(tile.height() * 0.62));
      EXPECT_TRUE(textFits(entries[i].name, labelFont(17, true), nameArea))
          << entries[i].name.toStdString();
    }
  }
  const std::vector<MenuButton> top = groupsMenuButtons(groups);
  ASSERT_EQ(top.size(), groups.size());
  for (std::size_t i = 0; i < top.size(); ++i) {
    EXPECT_EQ(top[i].key, groups[i].key);
    EXPECT_TRUE(QRectF(0, 0, kTopMenuStrip.width(), kTopMenuStrip.height()).contains(top[i].area));
    if (groups[i].part > 0) {
      EXPECT_TRUE(textFits(groupTitle(groups[i]), labelFont(11, true), top[i].area.size().toSize()))
          << groups[i].key;
    }
    for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(top[i].area.intersects(top[j].area));
  }
}

// The longest verse of every chapter shows whole on its page, Al Baqarah's
// 282nd, the Quran's longest, included.
TEST(QuranGroups, EveryChaptersLongestVerseShowsWhole) {
  for (const ChapterText& text : quranTexts()) {
    const QString& longest = *std::max_element(
        text.verses.begin(), text.verses.end(),
        [](const QString& a, const QString& b) { return letterCount(a) < letterCount(b); });
    EXPECT_TRUE(verseFitsWhole(longest)) << text.surah;
    EXPECT_GE(verseWordsFont(longest).pixelSize(), 10) << text.surah;
  }
}

}  // namespace
}  // namespace hifz::content
