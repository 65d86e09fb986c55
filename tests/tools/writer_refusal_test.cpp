#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "content/content_error.h"
#include "content/content_writer.h"
#include "content/quran_text.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAreArray;

std::vector<std::string> entriesOf(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    names.push_back(fs::relative(entry.path(), folder).string());
  }
  return names;
}

class ContentWriterTest : public ::testing::Test {
 protected:
  fs::path application() const { return dir.path().toStdString(); }
  std::string errorWriting(const fs::path& chapters) {
    try {
      writeSampleContent(application(), chapters);
      return "";
    } catch (const ContentError& error) {
      return error.what();
    }
  }

  QTemporaryDir dir;
};

TEST_F(ContentWriterTest, ADataFolderAlreadyThereIsLeftAsItIs) {
  fs::create_directories(application() / "data" / "1-1");
  std::ofstream(application() / "data" / "1-1" / "mine.gif") << "the user's";
  std::ofstream(application() / "2 blank.gif") << "the user's blank";
  const std::vector<std::string> before = entriesOf(application());

  EXPECT_THAT(errorWriting(defaultChaptersFolder()), HasSubstr("already there"));
  EXPECT_THAT(entriesOf(application()), UnorderedElementsAreArray(before));
  std::ifstream blank(application() / "2 blank.gif");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(blank), {}), "the user's blank");
}

TEST_F(ContentWriterTest, AnythingCalledDataIsInTheWay) {
  std::ofstream(application() / "data") << "a file";
  EXPECT_THAT(errorWriting(defaultChaptersFolder()), HasSubstr("already there"));
  fs::remove(application() / "data");
  fs::create_symlink(application() / "nowhere", application() / "data");
  EXPECT_THAT(errorWriting(defaultChaptersFolder()), HasSubstr("already there"));
}

TEST_F(ContentWriterTest, TextThatCannotBeReadLeavesNothingBehind) {
  QTemporaryDir empty;
  EXPECT_THAT(errorWriting(empty.path().toStdString()), HasSubstr("114.json"));
  EXPECT_TRUE(entriesOf(application()).empty());
}

}  // namespace
}  // namespace hifz::content
