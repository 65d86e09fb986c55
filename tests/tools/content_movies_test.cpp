#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "content/chapter_plan.h"
#include "content/content_writer.h"
#include "content/menu_movies.h"
#include "content/quran_text.h"
#include "controls/file_list_box.h"
#include "generated_content.h"
#include "movie_facts.h"
#include "platform/disk_file_system.h"

namespace hifz::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

using content::kWholeChapterMovie;

constexpr double kFrameRate = 25;

std::vector<fs::path> allMovies() {
  std::vector<fs::path> movies = {generatedApplicationFolder() / "2 blank.gif"};
  for (const auto& entry : fs::recursive_directory_iterator(generatedDataFolder())) {
    if (entry.path().extension() == ".gif") movies.push_back(entry.path());
  }
  return movies;
}

fs::path chapterFolder(const KnownChapter& chapter) {
  return generatedDataFolder() / chapter.group / chapter.folder;
}

TEST(SampleContentMovies, EveryMovieReadsBackAndLastsAsLongAsItsSound) {
  const std::vector<fs::path> movies = allMovies();
  EXPECT_GT(movies.size(), 700u);
  for (const fs::path& movie : movies) {
    SCOPED_TRACE(movie.string());
    const auto facts = factsOf(movie);
    if (!facts) continue;
    EXPECT_EQ(facts->header.compression, swf::Compression::kZlib);
    EXPECT_DOUBLE_EQ(facts->header.framesPerSecond(), kFrameRate);
    EXPECT_EQ(facts->framesShown, facts->header.frameCount);
    if (facts->soundStarts > 0 && facts->eventSounds.size() == 1) {
      EXPECT_LE(std::abs(facts->longestEventSound - facts->seconds()), 1 / kFrameRate);
    }
  }
}

TEST(SampleContentMovies, RecitationMoviesPlayTheirToneOnceAndStopOnTheirLastFrame) {
  DiskFileSystem disk;
  FileListBox list("File1", disk);
  for (const KnownChapter& chapter : knownChapters()) {
    SCOPED_TRACE(chapter.folder);
    list.setPath(programPath("data\\" + chapter.group + "\\" + chapter.folder + "\\"));
    list.setPattern("?-???.gif;??-???.gif");
    int versesFrames = 0;
    for (const std::string& name : list.entries()) {
      SCOPED_TRACE(name);
      const auto facts = factsOf(chapterFolder(chapter) / name);
      if (!facts) continue;
      // An event sound, as real recitations have: it plays on while a busy
      // machine holds the timeline back, where a streamed one would break up.
      ASSERT_EQ(facts->eventSounds.size(), 1u);
      EXPECT_EQ(facts->soundStarts, 1);
      EXPECT_FALSE(facts->streamRate.has_value());
      EXPECT_TRUE(facts->stopsOnLastFrame);
      EXPECT_EQ(facts->widthPixels, 561);
      EXPECT_EQ(facts->heightPixels, 518);
      if (name == std::string(kWholeChapterMovie)) continue;
      // 0.08 s a letter, from 1.5 s to 12 s.
      EXPECT_GE(facts->seconds(), 1.5 - 1 / kFrameRate);
      EXPECT_LE(facts->seconds(), 12 + 1 / kFrameRate);
      versesFrames += facts->header.frameCount;
    }
    const auto whole = factsOf(chapterFolder(chapter) / std::string(kWholeChapterMovie));
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->header.frameCount, versesFrames);
  }
}

TEST(SampleContentMovies, PagesAndMenusStandStillAndFitTheirSlots) {
  struct Expected {
    fs::path movie;
    double width;
    double height;
  };
  std::vector<Expected> cases = {
      {generatedApplicationFolder() / "2 blank.gif", 561, 518},
      {generatedDataFolder() / "startUp.gif", 512, 234},
      {generatedDataFolder() / "topmenu.gif", 540, 234},
      {generatedDataFolder() / "exit.gif", 540, 234},
  };
  for (const std::string list : {"verses1.gif", "verses2.gif", "verses3.gif", "verses4.gif"}) {
    cases.push_back({generatedDataFolder() / list, 537, 234});
  }
  for (const KnownChapter& chapter : knownChapters()) {
    for (const std::string page :
         {"menu.gif", "Menu2.gif", "Menu3.gif", "words.gif", "Othmani.gif"}) {
      if (fs::exists(chapterFolder(chapter) / page))
        cases.push_back({chapterFolder(chapter) / page, 561, 518});
    }
  }
  for (const Expected& expected : cases) {
    SCOPED_TRACE(expected.movie.string());
    const auto facts = factsOf(expected.movie);
    if (!facts) continue;
    EXPECT_EQ(facts->widthPixels, expected.width);
    EXPECT_EQ(facts->heightPixels, expected.height);
    EXPECT_EQ(facts->header.frameCount, 1);
    EXPECT_TRUE(facts->stopsOnLastFrame);
    EXPECT_FALSE(facts->streamRate.has_value());
    EXPECT_EQ(facts->longestEventSound, 0);
  }
}

TEST(SampleContentMovies, TheClickSoundIsShortAndPlaysOnce) {
  const auto ding = factsOf(generatedDataFolder() / "ding.gif");
  ASSERT_TRUE(ding.has_value());
  EXPECT_GT(ding->longestEventSound, 0);
  EXPECT_LE(ding->longestEventSound, 1 / kFrameRate);
  EXPECT_EQ(ding->header.frameCount, 1);
  EXPECT_TRUE(ding->stopsOnLastFrame);
}

TEST(SampleContentMenus, TopMenuExitAndChapterListsSendTheirKeys) {
  const auto keysOf = [](const fs::path& movie) {
    const auto facts = factsOf(movie);
    EXPECT_TRUE(facts.has_value()) << movie;
    EXPECT_EQ(facts->buttonCommands.size(), clickKeys(*facts).size()) << movie;
    return facts ? clickKeys(*facts) : std::vector<std::string>{};
  };
  EXPECT_THAT(keysOf(generatedDataFolder() / "topmenu.gif"),
              ElementsAre("1-1", "1-2", "2-1", "2-2"));
  EXPECT_THAT(keysOf(generatedDataFolder() / "exit.gif"), ElementsAre("1", "0"));
  const std::map<std::string, std::string> lists = {{"1-1", "verses1.gif"},
                                                    {"1-2", "verses2.gif"},
                                                    {"2-1", "verses3.gif"},
                                                    {"2-2", "verses4.gif"}};
  for (const auto& [group, list] : lists) {
    std::vector<std::string> expected;
    for (const KnownChapter& chapter : knownChapters()) {
      if (chapter.group == group) expected.push_back(chapter.key);
    }
    EXPECT_THAT(keysOf(generatedDataFolder() / list), ElementsAreArray(expected)) << list;
  }
}

TEST(SampleContentMenus, ChapterMenusSendEveryVerseOnceAndThePageKeysOfTheirPages) {
  for (const KnownChapter& chapter : knownChapters()) {
    SCOPED_TRACE(chapter.folder);
    const int pages = (chapter.verses + 19) / 20;
    // What each page's page buttons send: "99" shows the second page, "98" the
    // first, "97" the third.
    const std::vector<std::vector<std::string>> pageKeys =
        pages == 1   ? std::vector<std::vector<std::string>>{{}}
        : pages == 2 ? std::vector<std::vector<std::string>>{{"99"}, {"98"}}
                     : std::vector<std::vector<std::string>>{{"99"}, {"98", "97"}, {"99"}};
    const std::string names[] = {"menu.gif", "Menu2.gif", "Menu3.gif"};
    std::vector<std::string> verses;
    for (int page = 0; page < pages; ++page) {
      const auto facts = factsOf(chapterFolder(chapter) / names[page]);
      ASSERT_TRUE(facts.has_value());
      std::vector<std::string> pageButtons;
      for (const std::string& key : clickKeys(*facts)) {
        (std::stoi(key) >= 97 ? pageButtons : verses).push_back(key);
      }
      EXPECT_EQ(pageButtons, pageKeys[static_cast<size_t>(page)]) << names[page];
    }
    std::vector<std::string> expected;
    for (int verse = 1; verse <= chapter.verses; ++verse) expected.push_back(std::to_string(verse));
    EXPECT_EQ(verses, expected);
  }
}

TEST(SampleContentMenus, ChapterMenuLayoutNamesTheButtonsOfEachPageInsideItsStage) {
  const auto plans = content::planAllChapters(content::defaultChaptersFolder());
  for (const content::ChapterPlan& plan : plans) {
    for (const content::MenuPage& page : plan.menuPages) {
      SCOPED_TRACE(std::string(plan.chapter.folder) + " " + page.fileName);
      const auto facts =
          factsOf(generatedDataFolder() / content::relativeFolder(plan.chapter) / page.fileName);
      ASSERT_TRUE(facts.has_value());
      std::vector<std::string> keys;
      for (const content::MenuButton& button : content::chapterMenuButtons(page)) {
        keys.push_back(button.key);
        EXPECT_TRUE(QRectF(0, 0, facts->widthPixels, facts->heightPixels).contains(button.area));
      }
      EXPECT_EQ(clickKeys(*facts), keys);
    }
  }
}

}  // namespace
}  // namespace hifz::testing
