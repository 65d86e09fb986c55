#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>

#include "content/recited/recitation_source.h"
#include "movie_facts.h"
#include "recitation_files.h"
#include "recited_fixture.h"
#include "zip_files.h"

namespace hifz::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> sorted(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  if (text.starts_with(from)) text = to + text.substr(from.size());
  return text;
}

// The first `verses` of An Nas from `recitation`, as `zip ../reciter.zip *.mp3`
// makes root/reciter.zip of them.
fs::path zipOfAnNas(const fs::path& recitation, const fs::path& root, int verses) {
  fs::create_directories(root / "files");
  std::vector<std::string> arguments = {"../reciter.zip"};
  for (int verse = 1; verse <= verses; ++verse) {
    const std::string name = "11400" + std::to_string(verse) + ".mp3";
    fs::copy_file(recitation / name, root / "files" / name);
    arguments.push_back(name);
  }
  runZip(root / "files", arguments);
  return root / "reciter.zip";
}

// Why opening refuses, or "" when it does not.
template <typename Open>
std::string refusal(const Open& open) {
  try {
    open();
  } catch (const content::ContentError& error) {
    return error.what();
  }
  return "";
}

TEST_F(RecitedBuildTest, AZipFileGivesWhatTheFolderGivesWhereverItsFilesLie) {
  struct Layout {
    const char* what;
    std::string folder;  // where the files lie inside the zip
    bool backslashes;    // between folders in its names, as some Windows tools write them
  };
  const Layout layouts[] = {
      {"at the top", "", false},
      {"in a folder", "reciter", false},
      {"in nested folders", "a/b/reciter", false},
      {"in a folder, named with backslashes", "reciter", true},
  };
  for (const Layout& layout : layouts) {
    SCOPED_TRACE(layout.what);
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    fs::create_directories(root / "files" / layout.folder);
    // As `zip ../reciter.zip *.mp3` or `zip -r ../reciter.zip reciter` make it.
    std::vector<std::string> arguments = {"../reciter.zip"};
    if (!layout.folder.empty()) arguments.push_back(layout.folder);
    for (const auto& entry : fs::directory_iterator(recitation())) {
      std::string name = entry.path().filename().string();
      // Any letter case of ".mp3" is a verse's.
      if (name == "114002.mp3") name = "114002.MP3";
      fs::copy_file(entry.path(), root / "files" / layout.folder / name);
      if (layout.folder.empty()) arguments.push_back(name);
    }
    runZip(root / "files", arguments);
    std::string inside = layout.folder.empty() ? "" : layout.folder + "/";
    if (layout.backslashes) {
      std::vector<std::uint8_t> zip = readBytes(root / "reciter.zip");
      for (const std::string& name : zipEntryNames(zip)) {
        std::string windows = name;
        std::replace(windows.begin(), windows.end(), '/', '\\');
        changeZipEntry(zip, name, {.name = windows});
      }
      writeBytes(root / "reciter.zip", zip);
      std::replace(inside.begin(), inside.end(), '/', '\\');
    }

    const Built built = build(root / "reciter.zip", root / "out");
    const std::vector<std::string> files = filesUnder(everyChapter().out);
    ASSERT_EQ(filesUnder(built.out), files);
    for (const std::string& file : files) {
      EXPECT_TRUE(readBytes(everyChapter().out / file) == readBytes(built.out / file)) << file;
    }
    std::vector<std::string> problems;
    for (const std::string& problem : built.problems) {
      problems.push_back(replaced(problem, (root / "reciter.zip").string() + ":" + inside,
                                  recitation().string() + "/"));
    }
    // Chapters are built side by side, so their problems come in any order.
    EXPECT_EQ(sorted(problems), sorted(everyChapter().problems));
  }
}

TEST_F(RecitedBuildTest, ADamagedZipEntrySkipsItsVerseAndTheRestIsBuilt) {
  QTemporaryDir dir;
  const fs::path root = dir.path().toStdString();
  const std::vector<std::uint8_t> zip = readBytes(zipOfAnNas(recitation(), root, 6));
  const auto size = static_cast<std::uint32_t>(fs::file_size(recitation() / "114003.mp3"));

  struct Case {
    const char* what;
    ZipEntryChange change;
    const char* why;
  };
  const Case cases[] = {
      {"data shorter than it declares", {.size = size + 1000}, "its data ends after"},
      {"a huge declared size", {.size = 0xfffffff0}, "more than the 50 MB one verse may have"},
      {"a wrong CRC", {.crc = 0xdeadbeef}, "CRC error"},
      {"an unknown compression method", {.method = 0x4242}, "not supported"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::uint8_t> damaged = zip;
    changeZipEntry(damaged, "114003.mp3", c.change);
    const fs::path file = root / "damaged.zip";
    writeBytes(file, damaged);
    fs::remove_all(root / "out");

    const Built built = build(file, root / "out", {114});
    ASSERT_EQ(built.summary.chapters.size(), 1u);
    EXPECT_EQ(built.summary.chapters[0].built, 5);
    EXPECT_THAT(built.summary.chapters[0].missing, ElementsAre(3));
    ASSERT_EQ(built.summary.skipped.size(), 1u);
    EXPECT_EQ(built.summary.skipped[0].name, file.string() + ":114003.mp3");
    EXPECT_THAT(built.summary.skipped[0].why, HasSubstr("cannot be read ("));
    EXPECT_THAT(built.summary.skipped[0].why, HasSubstr(c.why));
    EXPECT_THAT(problemsText(built), HasSubstr(file.string() + ":114003.mp3: cannot be read ("));
    EXPECT_TRUE(fs::is_regular_file(chapterFolder(built, 114) / "6-001.gif"));
  }
}

// Some tools append an entry of a name the zip file already holds instead of
// replacing it; by its name, only the first can be read.
TEST_F(RecitedBuildTest, ASecondZipEntryOfOneNameIsNamedAmongTheSkippedFiles) {
  QTemporaryDir dir;
  const fs::path root = dir.path().toStdString();
  std::vector<std::uint8_t> zip = readBytes(zipOfAnNas(recitation(), root, 6));
  changeZipEntry(zip, "114003.mp3", {.name = "114001.mp3"});
  const fs::path file = root / "twice.zip";
  writeBytes(file, zip);

  const Built built = build(file, root / "out", {114});
  ASSERT_EQ(built.summary.skipped.size(), 1u);
  EXPECT_EQ(built.summary.skipped[0].name, file.string() + ":114001.mp3");
  EXPECT_EQ(built.summary.skipped[0].why,
            "a second entry of this name in the zip file; the first is used");
  EXPECT_THAT(problemsText(built), HasSubstr(file.string() + ":114001.mp3: a second entry"));
  ASSERT_EQ(built.summary.chapters.size(), 1u);
  EXPECT_THAT(built.summary.chapters[0].missing, ElementsAre(3));
  const auto facts = factsOf(chapterFolder(built, 114) / "1-001.gif");
  ASSERT_TRUE(facts);
  ASSERT_EQ(facts->eventSounds.size(), 1u);
  EXPECT_EQ(facts->eventSounds[0].data, audioOf(recitation() / "114001.mp3").frames);
}

// The fuzz target opens a zip file's bytes rather than the file.
TEST_F(RecitedBuildTest, AZipFilesBytesReadAsTheFileDoes) {
  QTemporaryDir dir;
  const fs::path file = zipOfAnNas(recitation(), dir.path().toStdString(), 3);
  const std::vector<std::uint8_t> bytes = readBytes(file);
  const auto fromFile = content::openRecitationZip(file);
  const auto fromBytes = content::openRecitationZipBytes(bytes, file.string());
  ASSERT_EQ(fromFile->verses().size(), 3u);
  ASSERT_EQ(fromBytes->verses().size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const content::VerseFile& verse = fromBytes->verses()[i];
    EXPECT_EQ(verse.name, fromFile->verses()[i].name);
    const content::FileBytes read = fromBytes->read(verse);
    ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(read)) << verse.name;
    EXPECT_TRUE(std::get<std::vector<std::uint8_t>>(read) == readBytes(recitation() / verse.path));
  }

  const fs::path notZip = recitation() / "114001.mp3";
  const std::vector<std::uint8_t> notZipBytes = readBytes(notZip);
  const std::string refused = refusal([&] { content::openRecitationZip(notZip); });
  EXPECT_THAT(refused, HasSubstr(" is neither a folder nor a zip file we can read (Not a zip"));
  EXPECT_EQ(refusal([&] { content::openRecitationZipBytes(notZipBytes, notZip.string()); }),
            refused);
}

TEST_F(RecitedBuildTest, OfTwoFilesForOneVerseTheFirstByNameIsUsedAndBothAreNamed) {
  QTemporaryDir dir;
  const fs::path folder = fs::path(dir.path().toStdString()) / "reciter";
  for (int verse = 1; verse <= 6; ++verse) {
    const std::string name = "11400" + std::to_string(verse) + ".mp3";
    fs::create_directories(folder / "a");
    fs::copy_file(recitation() / name, folder / "a" / name);
  }
  fs::create_directories(folder / "b");
  fs::copy_file(recitation() / "114002.mp3", folder / "b" / "114001.mp3");

  const Built built = build(folder, folder.parent_path() / "out", {114});
  ASSERT_EQ(built.summary.skipped.size(), 1u);
  EXPECT_EQ(built.summary.skipped[0].name, (folder / "b/114001.mp3").string());
  EXPECT_EQ(built.summary.skipped[0].why,
            "the same verse as " + (folder / "a/114001.mp3").string() + ", which is used");
  EXPECT_THAT(problemsText(built),
              HasSubstr((folder / "b/114001.mp3").string() + ": the same verse as "));
  EXPECT_EQ(built.summary.chapters[0].built, 6);
  const auto facts = factsOf(chapterFolder(built, 114) / "1-001.gif");
  ASSERT_TRUE(facts);
  ASSERT_EQ(facts->eventSounds.size(), 1u);
  EXPECT_EQ(facts->eventSounds[0].data, audioOf(folder / "a/114001.mp3").frames);
}

}  // namespace
}  // namespace hifz::testing
