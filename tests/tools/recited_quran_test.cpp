#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "movie_facts.h"
#include "navigation/catalog_text.h"
#include "navigation/windows_1256.h"
#include "recitation_files.h"
#include "recited_fixture.h"

namespace hifz::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::ElementsAre;

// Built from all it has files of, the tone recitation holds four chapters of
// the original course and Al Baqarah's first verse: content beyond the course.
TEST_F(RecitedBuildTest, ContentBeyondTheOriginalCourseShowsTheGroupsItHolds) {
  const fs::path data = everyChapter().out / "data";
  EXPECT_THAT(namesIn(data), ElementsAre("1", "1-1", "catalog.txt", "ding.gif", "exit.gif",
                                         "part1.gif", "startUp.gif", "topmenu.gif", "verses1.gif"));
  const auto top = factsOf(data / "topmenu.gif");
  ASSERT_TRUE(top);
  EXPECT_THAT(clickKeys(*top), ElementsAre("1-1", "1"));
  const auto list = factsOf(data / "verses1.gif");
  ASSERT_TRUE(list);
  EXPECT_THAT(clickKeys(*list), ElementsAre("1", "2", "3", "4"));
  const auto part = factsOf(data / "part1.gif");
  ASSERT_TRUE(part);
  EXPECT_THAT(clickKeys(*part), ElementsAre("1"));

  const auto& chapters = everyChapter().summary.chapters;
  const auto baqarah = std::find_if(chapters.begin(), chapters.end(),
                                    [](const content::ChapterOutcome& c) { return c.surah == 2; });
  ASSERT_NE(baqarah, chapters.end());
  EXPECT_EQ(baqarah->name, "1/002 Al-Baqarah (2)");
  EXPECT_EQ(baqarah->built, 1);
  EXPECT_EQ(baqarah->missing.size(), 285u);
  EXPECT_TRUE(everyChapter().summary.notes.empty()) << "no file was left aside";
  EXPECT_THAT(everyChapter().problems,
              Contains("1/002 Al-Baqarah (2): verses 2-286 missing; its menu offers the others"));
}

TEST_F(RecitedBuildTest, TheCatalogReadsBackAsTheContentIsLaidOut) {
  const fs::path data = everyChapter().out / "data";
  const std::vector<std::uint8_t> bytes = readBytes(data / "catalog.txt");
  const CatalogReading reading = parseCatalog(std::string(bytes.begin(), bytes.end()));
  ASSERT_TRUE(reading.catalog) << reading.problem;
  const Catalog& catalog = *reading.catalog;
  ASSERT_EQ(catalog.groups.size(), 2u);
  EXPECT_EQ(catalog.groups[0].key, "1-1");
  EXPECT_EQ(catalog.groups[0].listMovie, "verses1.gif");
  EXPECT_EQ(catalog.groups[1].key, "1");
  EXPECT_EQ(catalog.groups[1].listMovie, "part1.gif");
  EXPECT_EQ(catalog.groups[1].title, "الجزء ١");
  std::vector<int> numbers;
  for (const ChapterRow& chapter : catalog.chapters) {
    numbers.push_back(chapter.number);
    EXPECT_TRUE(fs::is_regular_file(data / chapter.group / chapter.folder / "menu.gif"))
        << chapter.folder;
  }
  EXPECT_THAT(numbers, ElementsAre(114, 113, 112, 111, 2));
  const ChapterRow& baqarah = catalog.chapters.back();
  EXPECT_EQ(baqarah.key, "1");
  EXPECT_EQ(baqarah.folder, "002 Al-Baqarah");
  EXPECT_EQ(baqarah.arabicName, "البقرة");
  EXPECT_EQ(baqarah.verses, 286);
}

// Al Baqarah's menu has a page for every twenty verses, each reaching the
// others by number; only verse 1, which has a file, has a button.
TEST_F(RecitedBuildTest, ALongChapterHasAMenuPageForEveryTwentyVerses) {
  const fs::path folder = chapterFolder(everyChapter(), 2);
  std::vector<std::string> pages = {"page2",  "page3",  "page4",  "page5",  "page6",
                                    "page7",  "page8",  "page9",  "page10", "page11",
                                    "page12", "page13", "page14", "page15"};
  const auto first = factsOf(folder / "menu.gif");
  ASSERT_TRUE(first);
  std::vector<std::string> keys = {"1"};
  keys.insert(keys.end(), pages.begin(), pages.end());
  EXPECT_EQ(clickKeys(*first), keys);
  const auto last = factsOf(folder / "Menu15.gif");
  ASSERT_TRUE(last);
  std::vector<std::string> others = {"page1"};
  others.insert(others.end(), pages.begin(), pages.end() - 1);
  EXPECT_EQ(clickKeys(*last), others);
  EXPECT_FALSE(fs::exists(folder / "Menu16.gif"));
  EXPECT_FALSE(fs::exists(folder / "Othmani.gif")) << "the whole chapter does not fit one page";
  for (const char* page : {"words.gif", "TFS.txt", "1-001.gif", "0-all.gif"})
    EXPECT_TRUE(fs::is_regular_file(folder / page)) << page;
}

// Its objectives page is the chapter's card, saying so, in the code page the
// program reads it in.
TEST_F(RecitedBuildTest, AChapterBeyondTheCourseSaysItsObjectivesAreNotWritten) {
  const std::vector<std::uint8_t> bytes = readBytes(chapterFolder(everyChapter(), 2) / "TFS.txt");
  EXPECT_EQ(windows1256ToUtf8(bytes),
            "سورة البقرة\r\n"
            "عدد آياتها 286، وهي سورة مدنية، أولها في الجزء 1.\r\n"
            "لم تُكتب أهداف هذه السورة في هذا المحتوى؛ هذه بطاقتها فقط.\r\n");
}

}  // namespace
}  // namespace hifz::testing
