#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "fake_file_system.h"
#include "navigation/catalog_reading.h"
#include "navigation/catalog_text.h"

namespace hifz {
namespace {

using testing::FakeFileSystem;

const std::string kData = "C:\\Hifz\\data\\";
const std::string kHeader = "hifz-catalog\t1\n";
const std::string kLastPart = "group\t2-2\tverses4.gif\tجزء عم\n";
const std::string kAnNaba = "chapter\t6\t078 An-Naba\t78\tالنبإ\t40\n";
const std::string kAlMulk = "chapter\t1\t067 Al-Mulk\t67\tالملك\t30\n";
const std::string kPart29 = "group\t29\tlist29.gif\tالجزء التاسع والعشرون\n";

// Content laid out for `text`: its catalog file and every chapter folder it names.
FakeFileSystem contentFor(const std::string& text) {
  FakeFileSystem files;
  files.addFile(kData + "catalog.txt", text);
  for (const char* folder : {"2-2\\078 An-Naba", "29\\067 Al-Mulk", "29\\068 Al-Qalam"})
    files.addFolder(kData + folder);
  return files;
}

TEST(Catalog, AWellFormedCatalogIsReadAsWritten) {
  const std::string text = "# made by hand\r\n" + kHeader + "\n" + kLastPart + kAnNaba + kPart29 +
                           "\r\n" + kAlMulk + "chapter\t2\t068 Al-Qalam\t68\tالقلم\t52\r\n";
  const auto reading = readCatalog(contentFor(text), kData);
  ASSERT_TRUE(reading.has_value());
  ASSERT_TRUE(reading->catalog.has_value()) << reading->problem;
  const Catalog& catalog = *reading->catalog;
  ASSERT_EQ(catalog.groups.size(), 2u);
  EXPECT_EQ(catalog.groups[1].key, "29");
  EXPECT_EQ(catalog.groups[1].listMovie, "list29.gif");
  EXPECT_EQ(catalog.groups[1].title, "الجزء التاسع والعشرون");
  ASSERT_EQ(catalog.chapters.size(), 3u);
  const ChapterRow& qalam = catalog.chapters[2];
  EXPECT_EQ(qalam.group, "29");
  EXPECT_EQ(qalam.key, "2");
  EXPECT_EQ(qalam.folder, "068 Al-Qalam");
  EXPECT_EQ(qalam.number, 68);
  EXPECT_EQ(qalam.arabicName, "القلم");
  EXPECT_EQ(qalam.verses, 52);
  EXPECT_EQ(catalog.chapterInFolder("29\\068 Al-Qalam\\"), &qalam);
  EXPECT_EQ(catalog.findChapter("2-2", "6")->number, 78);
}

TEST(Catalog, WhatTheWriterWritesIsReadBackTheSame) {
  Catalog catalog;
  catalog.groups = {{"2-2", "verses4.gif", "جزء عم"}, {"1", "list1.gif", "الجزء الأول"}};
  catalog.chapters = {{"2-2", "6", "078 An-Naba", 78, "النبإ", 40},
                      {"1", "1", "001 Al-Fatihah", 1, "الفاتحة", 7},
                      {"1", "2", "002 Al-Baqarah", 2, "البقرة", 286},
                      {"2-2", "1", "AlMotafifeen", 83, "المطففين", 36}};
  const std::string text = formatCatalog(catalog);
  const CatalogReading reading = parseCatalog(text);
  ASSERT_TRUE(reading.catalog.has_value()) << reading.problem;
  ASSERT_EQ(reading.catalog->groups.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(reading.catalog->groups[i].key, catalog.groups[i].key);
    EXPECT_EQ(reading.catalog->groups[i].listMovie, catalog.groups[i].listMovie);
    EXPECT_EQ(reading.catalog->groups[i].title, catalog.groups[i].title);
  }
  // Each group's chapters follow it, in the order they were given.
  std::vector<std::string> folders;
  for (const ChapterRow& row : reading.catalog->chapters) {
    const ChapterRow* given = catalog.findChapter(row.group, row.key);
    ASSERT_NE(given, nullptr) << row.folder;
    EXPECT_EQ(row.folder, given->folder);
    EXPECT_EQ(row.number, given->number);
    EXPECT_EQ(row.arabicName, given->arabicName);
    EXPECT_EQ(row.verses, given->verses);
    folders.push_back(row.folder);
  }
  EXPECT_EQ(folders, (std::vector<std::string>{"078 An-Naba", "AlMotafifeen", "001 Al-Fatihah",
                                               "002 Al-Baqarah"}));
}

TEST(Catalog, TheWriterRefusesWhatCouldNotBeReadBack) {
  Catalog tabbed;
  tabbed.groups = {{"1", "list1.gif", "a\ttitle"}};
  tabbed.chapters = {{"1", "1", "001 Al-Fatihah", 1, "الفاتحة", 7}};
  EXPECT_THROW(formatCatalog(tabbed), std::invalid_argument);
  Catalog orphan;
  orphan.groups = {{"1", "list1.gif", "title"}};
  orphan.chapters = {{"2", "1", "001 Al-Fatihah", 1, "الفاتحة", 7}};
  EXPECT_THROW(formatCatalog(orphan), std::invalid_argument);
}

struct BadCatalog {
  const char* what;
  std::string text;
  std::string problem;
};

TEST(Catalog, ACatalogThatMakesNoSenseGivesItsReasonInOneLine) {
  const std::string good = kHeader + kLastPart + kAnNaba;
  const BadCatalog cases[] = {
      {"empty", "", "it holds no header line"},
      {"only comments", "# nothing\n\n", "it holds no header line"},
      {"no header", kLastPart + kAnNaba,
       "line 1: it does not start with the header \"hifz-catalog<tab>1\""},
      {"header with spaces", "hifz-catalog 1\n" + kLastPart + kAnNaba,
       "line 1: it does not start with the header \"hifz-catalog<tab>1\""},
      {"unknown version", "hifz-catalog\t2\n" + kLastPart + kAnNaba,
       "line 1: its version 2 is not known"},
      {"no group", kHeader, "it holds no group"},
      {"chapter before any group", kHeader + kAnNaba + kLastPart,
       "line 2: a chapter comes before any group"},
      {"group without chapter", good + kPart29, "the group \"29\" has no chapter"},
      {"unknown record", good + "part\t30\n", "line 4: \"part\" is no kind of record"},
      {"chapter field missing", kHeader + kLastPart + "chapter\t6\t078 An-Naba\t78\tالنبإ\n",
       "line 3: a chapter has 5 fields, not 4"},
      {"chapter field too many",
       kHeader + kLastPart + "chapter\t6\t078 An-Naba\t78\tالنبإ\t40\tx\n",
       "line 3: a chapter has 5 fields, not 6"},
      {"group field missing", kHeader + "group\t2-2\tverses4.gif\n" + kAnNaba,
       "line 2: a group has 3 fields, not 2"},
      {"empty field", kHeader + kLastPart + "chapter\t6\t078 An-Naba\t78\t\t40\n",
       "line 3: its field 4 is empty"},
      {"chapter 0", kHeader + kLastPart + "chapter\t6\t078 An-Naba\t0\tالنبإ\t40\n",
       "line 3: the chapter number \"0\" is not one of 1 to 114"},
      {"chapter 115", kHeader + kLastPart + "chapter\t6\t078 An-Naba\t115\tالنبإ\t40\n",
       "line 3: the chapter number \"115\" is not one of 1 to 114"},
      {"chapter with a leading zero",
       kHeader + kLastPart + "chapter\t6\t078 An-Naba\t078\tالنبإ\t40\n",
       "line 3: the chapter number \"078\" is not one of 1 to 114"},
      {"chapter with a sign", kHeader + kLastPart + "chapter\t6\t078 An-Naba\t+78\tالنبإ\t40\n",
       "line 3: the chapter number \"+78\" is not one of 1 to 114"},
      {"287 verses", kHeader + kLastPart + "chapter\t6\t078 An-Naba\t78\tالنبإ\t287\n",
       "line 3: the verse count \"287\" is not one of 1 to 286"},
      {"verses not a number", kHeader + kLastPart + "chapter\t6\t078 An-Naba\t78\tالنبإ\tforty\n",
       "line 3: the verse count \"forty\" is not one of 1 to 286"},
      {"group key twice", good + kLastPart + kAnNaba,
       "line 4: the group key \"2-2\" is used twice"},
      {"chapter key twice", good + "chapter\t6\t079 An-Naziat\t79\tالنازعات\t46\n",
       "line 4: the chapter key \"6\" is used twice in the group \"2-2\""},
      {"folder twice", good + "chapter\t7\t078 an-naba\t79\tالنازعات\t46\n",
       "line 4: the folder \"078 an-naba\" is used twice in the group \"2-2\""},
      {"chapter number twice", good + "chapter\t7\t079 An-Naziat\t78\tالنازعات\t46\n",
       "line 4: the chapter number 78 is used twice"},
      {"capital key", kHeader + "group\tJuz\tverses4.gif\tجزء عم\n" + kAnNaba,
       "line 2: the group key \"Juz\" has capital letters, which a menu's key is compared without"},
      {"folder climbing out", kHeader + kLastPart + "chapter\t6\t..\t78\tالنبإ\t40\n",
       "line 3: the folder \"..\" is not a name within a folder"},
      {"folder with a separator", kHeader + kLastPart + "chapter\t6\ta\\b\t78\tالنبإ\t40\n",
       "line 3: the folder \"a\\b\" is not a name within a folder"},
      {"list movie elsewhere", kHeader + "group\t2-2\t../verses4.gif\tجزء عم\n" + kAnNaba,
       "line 2: the list movie \"../verses4.gif\" is not a name within a folder"},
      {"not UTF-8", kHeader + "group\t2-2\tverses4.gif\t\xD8\n" + kAnNaba,
       "line 2: it holds bytes that are not UTF-8"},
      {"overlong UTF-8", kHeader + "group\t2-2\tverses4.gif\t\xC0\xAF\n" + kAnNaba,
       "line 2: it holds bytes that are not UTF-8"},
      {"UTF-16 surrogate", kHeader + "group\t2-2\tverses4.gif\t\xED\xA0\x80\n" + kAnNaba,
       "line 2: it holds bytes that are not UTF-8"},
      {"Latin-1", kHeader + kLastPart + "chapter\t6\t078 An-Naba\t78\tNab\xE2\t40\n",
       "line 3: it holds bytes that are not UTF-8"},
      {"control character", kHeader + kLastPart + "chapter\t6\t078 An-Naba\t78\tالنبإ\x1b\t40\n",
       "line 3: it holds a control character"},
      {"a NUL", kHeader + kLastPart + std::string("chapter\t6\t078\0\t78\tالنبإ\t40\n", 22),
       "line 3: it holds a control character"},
      {"a line of 4 KiB and one byte",
       kHeader + "#" + std::string(kLongestCatalogLine, 'x') + "\n" + good,
       "line 2: it is longer than 4 KiB"},
      {"a line of 10 MB", good + "#" + std::string(10'000'000, 'x') + "\n",
       "it is larger than 1 MiB"},
  };
  for (const BadCatalog& c : cases) {
    SCOPED_TRACE(c.what);
    const FakeFileSystem files = contentFor(c.text);
    const auto reading = readCatalog(files, kData);
    ASSERT_TRUE(reading.has_value());
    EXPECT_FALSE(reading->catalog.has_value());
    EXPECT_EQ(reading->problem, c.problem);
    EXPECT_EQ(reading->problem.find('\n'), std::string::npos);
  }
}

TEST(Catalog, ALineOfFourKibibytesAndCrlfEndingsAreAccepted) {
  const std::string text = "\xEF\xBB\xBFhifz-catalog\t1\r\n#" +
                           std::string(kLongestCatalogLine - 1, 'x') + "\r\n" + kLastPart +
                           "chapter\t6\t078 An-Naba\t78\tالنبإ\t40\r\n";
  const auto reading = readCatalog(contentFor(text), kData);
  ASSERT_TRUE(reading.has_value());
  ASSERT_TRUE(reading->catalog.has_value()) << reading->problem;
  EXPECT_EQ(reading->catalog->chapters.at(0).verses, 40);
}

TEST(Catalog, AFileOverTheLimitIsNotReadAtAll) {
  const FakeFileSystem files =
      contentFor(kHeader + kLastPart + kAnNaba + "#" + std::string(kLargestCatalog, 'x') + "\n");
  const auto reading = readCatalog(files, kData);
  ASSERT_TRUE(reading.has_value());
  EXPECT_EQ(reading->problem, "it is larger than 1 MiB");
  EXPECT_EQ(files.bytesRead(), 0u);
}

TEST(Catalog, EveryChapterFolderMustBeThere) {
  FakeFileSystem files =
      contentFor(kHeader + kLastPart + kAnNaba + "chapter\t7\t079 An-Naziat\t79\tالنازعات\t46\n");
  auto reading = readCatalog(files, kData);
  ASSERT_TRUE(reading.has_value());
  EXPECT_EQ(reading->problem, "the folder \"2-2\\079 An-Naziat\" of chapter 79 is not there");
  // A file of that name is no folder.
  files.addFile(kData + "2-2\\079 An-Naziat");
  EXPECT_EQ(readCatalog(files, kData)->problem,
            "the folder \"2-2\\079 An-Naziat\" of chapter 79 is not there");
  files.addFolder(kData + "2-2\\079 an-naziat");
  EXPECT_TRUE(readCatalog(files, kData)->catalog.has_value());
}

TEST(Catalog, ContentWithoutACatalogFileHasNone) {
  FakeFileSystem files;
  files.addFolder(kData + "1-1\\An Nas");
  EXPECT_FALSE(readCatalog(files, kData).has_value());
}

TEST(Catalog, TheFixedCatalogIsTheOriginalCoursesChapters) {
  const Catalog& fixed = fixedCatalog();
  ASSERT_EQ(fixed.groups.size(), 4u);
  EXPECT_EQ(fixed.groups[3].key, "2-2");
  EXPECT_EQ(fixed.groups[3].listMovie, "verses4.gif");
  ASSERT_EQ(fixed.chapters.size(), 37u);
  const std::tuple<const char*, const char*, const char*, int> spots[] = {
      {"1-1", "1", "1-1\\An Nas\\", 114},     {"1-1", "15", "1-1\\Al Fatihah\\", 1},
      {"1-2", "1", "1-2\\Adoha\\", 93},       {"1-2", "8", "1-2\\AlAdiat\\", 100},
      {"2-1", "9", "2-1\\Al Inshiqak\\", 84}, {"2-2", "5", "2-2\\Annaziat\\", 79},
  };
  for (const auto& [group, key, folder, number] : spots) {
    const ChapterRow* row = fixed.findChapter(group, key);
    ASSERT_NE(row, nullptr) << folder;
    EXPECT_EQ(ChapterFolder(*row), folder);
    EXPECT_EQ(row->number, number);
    EXPECT_EQ(fixed.chapterInFolder(folder), row);
  }
  std::set<int> numbers;
  for (const ChapterRow& row : fixed.chapters) numbers.insert(row.number);
  EXPECT_EQ(numbers.size(), 37u);
  EXPECT_EQ(*numbers.begin(), 1);
  EXPECT_EQ(*std::next(numbers.begin()), 79);
}

}  // namespace
}  // namespace hifz
