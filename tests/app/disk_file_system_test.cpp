#include "platform/disk_file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace hifz {
namespace {

namespace fs = std::filesystem;
using ::testing::UnorderedElementsAre;

class DiskFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("hifz-disk-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    write("data/1-1/An Nas/menu.gif", "MENU");
    write("data/1-1/An Nas/Othmani.gif", "OTH");
    write("data/1-1/An Nas/1-001.gif", "V1");
    fs::create_directories(root / "data/1-1/An Nas/sub");
    write("2 blank.gif", "");
  }
  void TearDown() override { fs::remove_all(root); }
  void write(const std::string& relative, const std::string& contents) {
    fs::create_directories((root / relative).parent_path());
    std::ofstream(root / relative, std::ios::binary) << contents;
  }
  std::string program(const std::string& windowsTail) { return root.string() + windowsTail; }

  fs::path root;
  DiskFileSystem disk;
};

TEST_F(DiskFileSystemTest, ResolvesWindowsPathsIgnoringLetterCase) {
  const std::pair<const char*, const char*> cases[] = {
      {"\\data\\1-1\\An Nas\\menu.gif", "data/1-1/An Nas/menu.gif"},
      {"\\DATA\\1-1\\an nas\\Menu.gif", "data/1-1/An Nas/menu.gif"},
      {"\\data\\1-1\\An Nas\\", "data/1-1/An Nas"},
      {"\\\\data\\\\1-1\\An Nas\\OTHMANI.GIF", "data/1-1/An Nas/Othmani.gif"},
      {"\\2 blank.gif", "2 blank.gif"},
  };
  for (const auto& [tail, real] : cases) {
    const auto resolved = resolveProgramPath(program(tail));
    ASSERT_TRUE(resolved.has_value()) << tail;
    EXPECT_EQ(*resolved, root / real) << tail;
  }
}

TEST_F(DiskFileSystemTest, PathsThatMatchNothingAreMissing) {
  for (const char* tail : {"\\data\\1-1\\An Nas\\Menu3.gif", "\\data\\1-1\\Al Falaq\\menu.gif",
                           "\\data\\1-1\\An Nas\\..\\An Nas\\menu.gif", "menu.gif"}) {
    EXPECT_FALSE(resolveProgramPath(program(tail)).has_value()) << tail;
    EXPECT_FALSE(disk.readFile(program(tail)).has_value()) << tail;
  }
  EXPECT_FALSE(resolveProgramPath("").has_value());
}

TEST_F(DiskFileSystemTest, ListsRegularFilesAndReadsBytes) {
  EXPECT_TRUE(disk.folderExists(program("\\Data\\1-1\\AN NAS\\")));
  EXPECT_FALSE(disk.folderExists(program("\\data\\1-1\\An Nas\\menu.gif")));
  EXPECT_FALSE(disk.folderExists(program("\\data\\2-2\\")));
  EXPECT_THAT(disk.fileNames(program("\\data\\1-1\\an nas")),
              UnorderedElementsAre("menu.gif", "Othmani.gif", "1-001.gif"));
  EXPECT_TRUE(disk.fileNames(program("\\data\\absent")).empty());
  const auto bytes = disk.readFile(program("\\data\\1-1\\An Nas\\MENU.GIF"));
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "MENU");
  EXPECT_FALSE(disk.readFile(program("\\data\\1-1\\An Nas\\sub")).has_value());
}

TEST_F(DiskFileSystemTest, SizesRegularFilesOnly) {
  const std::pair<const char*, std::optional<std::uintmax_t>> cases[] = {
      {"\\data\\1-1\\An Nas\\MENU.GIF", 4},
      {"\\2 blank.gif", 0},
      {"\\data\\1-1\\An Nas\\sub", std::nullopt},
      {"\\data\\1-1\\An Nas\\Menu3.gif", std::nullopt},
  };
  for (const auto& [tail, size] : cases) EXPECT_EQ(disk.fileSize(program(tail)), size) << tail;
}

TEST_F(DiskFileSystemTest, TheExactSpellingWinsOverOtherCases) {
  write("data/x/File.gif", "upper");
  write("data/x/file.gif", "lower");
  const auto exact = disk.readFile(program("\\data\\x\\file.gif"));
  ASSERT_TRUE(exact.has_value());
  EXPECT_EQ(std::string(exact->begin(), exact->end()), "lower");
  const auto other = resolveProgramPath(program("\\data\\x\\FILE.GIF"));
  ASSERT_TRUE(other.has_value());
  EXPECT_EQ(other->filename(), "File.gif");
}

}  // namespace
}  // namespace hifz
