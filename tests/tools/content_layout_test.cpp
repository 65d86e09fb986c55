#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iconv.h>

#include <QString>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "content/chapter_plan.h"
#include "content/content_writer.h"
#include "content/quran_text.h"
#include "controls/file_list_box.h"
#include "generated_content.h"
#include "navigation/windows_1256.h"
#include "platform/disk_file_system.h"
#include "recitation/reading_rules.h"
#include "recitation/verse_code.h"

namespace hifz::testing {
namespace {

namespace fs = std::filesystem;
using content::kWholeChapterMovie;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::set<std::string> entriesOf(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(SampleContentLayout, HoldsTheBlankMovieAndADataFolderWithTheMenusAndTheFourGroups) {
  EXPECT_EQ(entriesOf(generatedApplicationFolder()),
            (std::set<std::string>{"2 blank.gif", "data"}));
  EXPECT_EQ(entriesOf(generatedDataFolder()),
            (std::set<std::string>{"1-1", "1-2", "2-1", "2-2", "ding.gif", "exit.gif",
                                   "sample-content.txt", "startUp.gif", "topmenu.gif",
                                   "verses1.gif", "verses2.gif", "verses3.gif", "verses4.gif"}));
}

TEST(SampleContentLayout, EachGroupHoldsExactlyItsChapterFoldersNamedAsTheCatalogSays) {
  for (const std::string group : {"1-1", "1-2", "2-1", "2-2"}) {
    std::set<std::string> expected;
    for (const KnownChapter& chapter : knownChapters()) {
      if (chapter.group == group) expected.insert(chapter.folder);
    }
    EXPECT_EQ(entriesOf(generatedDataFolder() / group), expected) << group;
  }
}

// A chapter folder seen as the program sees it: through its file list.
class ChapterFolderTest : public ::testing::Test {
 protected:
  void open(const KnownChapter& chapter) {
    folder = "data\\" + chapter.group + "\\" + chapter.folder + "\\";
    list.setPath(programPath(folder));
  }
  std::vector<std::string> listed(const std::string& pattern) {
    list.setPattern(pattern);
    return list.entries();
  }
  bool exists(const std::string& name) const {
    return disk.readFile(programPath(folder + name)).has_value();
  }
  // Every verse's movies, verse by verse, as the verse's own pattern lists them.
  std::vector<std::vector<std::string>> verseMovies(const KnownChapter& chapter) {
    std::vector<std::vector<std::string>> movies;
    for (int verse = 1; verse <= chapter.verses; ++verse) {
      movies.push_back(listed(std::string(VerseCode(verse)) + "-*.gif"));
    }
    return movies;
  }

  DiskFileSystem disk;
  FileListBox list{"File1", disk};
  std::string folder;
};

TEST_F(ChapterFolderTest, EveryVerseHasItsMoviesNamedByItsVerseCodeAndNoOtherVerseHasAny) {
  int versesInBreaths = 0;
  for (const KnownChapter& chapter : knownChapters()) {
    SCOPED_TRACE(chapter.folder);
    open(chapter);
    const auto movies = verseMovies(chapter);
    for (int verse = 1; verse <= chapter.verses; ++verse) {
      const std::vector<std::string>& names = movies[static_cast<size_t>(verse - 1)];
      const std::string code(VerseCode(verse));
      ASSERT_GE(names.size(), 1u) << "verse " << verse;
      ASSERT_LE(names.size(), 2u) << "verse " << verse;
      for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i], code + "-00" + std::to_string(i + 1) + ".gif");
      }
      versesInBreaths += names.size() > 1;
    }
    if (chapter.verses < kLastCodedVerse) {
      EXPECT_THAT(listed(std::string(VerseCode(chapter.verses + 1)) + "-*.*"), IsEmpty());
    }
  }
  EXPECT_GE(versesInBreaths, 30);
}

TEST_F(ChapterFolderTest, ReadingPatternsListTheVerseMoviesAndTheWholeChapter) {
  for (const KnownChapter& chapter : knownChapters()) {
    SCOPED_TRACE(chapter.folder);
    open(chapter);
    std::vector<std::string> expected;
    for (const auto& names : verseMovies(chapter)) {
      expected.insert(expected.end(), names.begin(), names.end());
    }
    list.setPattern("?-???.gif;??-???.gif", std::string(kWholeChapterMovies));
    EXPECT_EQ(list.entries(), expected);
    EXPECT_THAT(listed(std::string(kWholeChapterMovies)),
                ElementsAre(std::string(kWholeChapterMovie)));
  }
}

TEST_F(ChapterFolderTest, AVerseInTwoBreathsWidensToItsOwnMoviesOnly) {
  for (const KnownChapter& chapter : knownChapters()) {
    SCOPED_TRACE(chapter.folder);
    open(chapter);
    for (const auto& names : verseMovies(chapter)) {
      if (names.size() < 2) continue;
      list.setPattern(widenedPattern(names[0]), std::string(kWholeChapterMovies));
      EXPECT_EQ(list.entries(), names);
    }
  }
}

TEST_F(ChapterFolderTest, MenuPagesWordsOthmaniAndTextAreThereAndNothingElse) {
  int withoutOthmani = 0;
  for (size_t i = 0; i < knownChapters().size(); ++i) {
    const KnownChapter& chapter = knownChapters()[i];
    SCOPED_TRACE(chapter.folder);
    open(chapter);
    EXPECT_TRUE(exists("menu.gif"));
    EXPECT_TRUE(exists("Menu.gif"));
    EXPECT_EQ(exists("Menu2.gif"), chapter.verses > 20);
    EXPECT_EQ(exists("Menu3.gif"), chapter.verses > 40);
    const std::vector<std::string> othmani = listed("othmani*.*");
    EXPECT_LE(othmani.size(), 1u);
    withoutOthmani += othmani.empty();

    std::set<std::string> expected = {"menu.gif", "words.gif", "TFS.txt"};
    if (chapter.verses > 20) expected.insert("Menu2.gif");
    if (chapter.verses > 40) expected.insert("Menu3.gif");
    if (!othmani.empty()) expected.insert("Othmani.gif");
    for (const std::string& name : listed("?-???.gif;??-???.gif")) expected.insert(name);
    const std::vector<std::string> all = listed("*.*");
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()), expected);
  }
  EXPECT_GE(withoutOthmani, 3);
  EXPECT_LE(withoutOthmani, 10);
}

// Independent of the generator: the C library's own code page tables.
std::optional<std::string> utf8FromWindows1256(std::vector<uint8_t> bytes) {
  iconv_t converter = iconv_open("UTF-8", "CP1256");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(bytes.size() * 4, '\0');
  char* in = reinterpret_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char* outAt = out.data();
  size_t outLeft = out.size();
  const size_t result = iconv(converter, &in, &inLeft, &outAt, &outLeft);
  iconv_close(converter);
  if (result == static_cast<size_t>(-1) || inLeft != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

TEST(SampleContentText, EachChapterTextIsWindows1256OfItsNameVerseCountAndKind) {
  const std::vector<content::ChapterPlan> plans =
      content::planAllChapters(content::defaultChaptersFolder());
  ASSERT_EQ(plans.size(), knownChapters().size());
  DiskFileSystem disk;
  for (size_t i = 0; i < plans.size(); ++i) {
    const content::ChapterPlan& plan = plans[i];
    SCOPED_TRACE(std::string(plan.chapter.folder));
    const auto bytes =
        disk.readFile(programPath("data\\" + content::relativeFolder(plan.chapter) + "\\TFS.txt"));
    ASSERT_TRUE(bytes.has_value());
    for (uint8_t byte : *bytes) EXPECT_TRUE(byte >= 0x20 || byte == '\r' || byte == '\n');
    const auto text = utf8FromWindows1256(*bytes);
    ASSERT_TRUE(text.has_value());
    // The program's own reading gives the same text.
    EXPECT_EQ(windows1256ToUtf8(*bytes), *text);
    const QString decoded = QString::fromStdString(*text);
    EXPECT_EQ(decoded.toStdU16String(), content::objectivesText(plan));
    EXPECT_TRUE(decoded.contains(plan.text.name));
    EXPECT_TRUE(decoded.contains(QString::number(knownChapters()[i].verses)));
    EXPECT_TRUE(decoded.contains(plan.text.medinan ? QString::fromUtf8("مدنية")
                                                   : QString::fromUtf8("مكية")));
  }
}

}  // namespace
}  // namespace hifz::testing
