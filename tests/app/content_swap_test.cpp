#include "reciter/content_swap.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace hifz {
namespace {

namespace fs = std::filesystem;

class ContentSwapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("hifz-content-swap-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    content(root / "built", "new");
  }
  void TearDown() override { fs::remove_all(root); }

  // A content folder whose two entries say which content they belong to.
  static void content(const fs::path& folder, const std::string& mark,
                      const std::string& dataName = "data") {
    fs::create_directories(folder / dataName / "1-1");
    std::ofstream(folder / dataName / "topmenu.gif") << mark;
    std::ofstream(folder / "2 blank.gif") << mark;
  }
  static std::string read(const fs::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path root;
};

TEST_F(ContentSwapTest, NewContentGoesIntoAFolderNotYetThere) {
  swapInBuiltContent(root / "built", root / "user/hifz");
  EXPECT_EQ(read(root / "user/hifz/data/topmenu.gif"), "new");
  EXPECT_EQ(read(root / "user/hifz/2 blank.gif"), "new");
  EXPECT_FALSE(fs::exists(root / "built/data"));
}

TEST_F(ContentSwapTest, TheOldContentTradesPlacesWithTheNew) {
  // The old data folder in another letter case is the one replaced, not kept beside.
  content(root / "user/hifz", "old", "Data");
  std::ofstream(root / "user/hifz/notes.txt") << "the learner's";
  swapInBuiltContent(root / "built", root / "user/hifz");
  EXPECT_EQ(read(root / "user/hifz/Data/topmenu.gif"), "new");
  EXPECT_EQ(read(root / "user/hifz/2 blank.gif"), "new");
  EXPECT_FALSE(fs::exists(root / "user/hifz/data"));
  EXPECT_EQ(read(root / "built/data/topmenu.gif"), "old");
  EXPECT_EQ(read(root / "built/2 blank.gif"), "old");
  EXPECT_EQ(read(root / "user/hifz/notes.txt"), "the learner's");
}

TEST_F(ContentSwapTest, AFailedMoveNamesWhatItMovedAndChangesNothingElse) {
  content(root / "user/hifz", "old");
  fs::remove_all(root / "built/data");
  try {
    swapInBuiltContent(root / "built", root / "user/hifz");
    FAIL() << "no error";
  } catch (const fs::filesystem_error& error) {
    EXPECT_EQ(error.path1(), root / "built/data");
  }
  EXPECT_EQ(read(root / "user/hifz/data/topmenu.gif"), "old");
  EXPECT_EQ(read(root / "user/hifz/2 blank.gif"), "old");
}

// The real rename, but for the calls (counted from 1) told to fail with EIO.
Rename failing(std::set<int> failed) {
  return [failed, calls = 0](const fs::path& from, const fs::path& to, unsigned int flags) mutable {
    if (failed.contains(++calls)) {
      errno = EIO;
      return -1;
    }
    return renameEntry(from, to, flags);
  };
}

TEST_F(ContentSwapTest, WhenTheSecondEntryCannotMoveTheFirstGoesBack) {
  for (const bool oldThere : {true, false}) {
    SCOPED_TRACE(oldThere ? "old content there" : "no content yet");
    const fs::path place = root / (oldThere ? "old" : "none");
    content(place / "built", "new");
    if (oldThere) content(place / "user", "old");
    try {
      swapInBuiltContent(place / "built", place / "user", failing({2}));
      FAIL() << "no error";
    } catch (const fs::filesystem_error& error) {
      EXPECT_EQ(error.path1(), place / "built/2 blank.gif");
      EXPECT_EQ(error.code(), std::errc::io_error);
      EXPECT_EQ(dynamic_cast<const PartlySwapped*>(&error), nullptr);
    }
    // The caller removes what is left in the built folder: it must be the new content.
    EXPECT_EQ(read(place / "built/data/topmenu.gif"), "new");
    EXPECT_EQ(read(place / "built/2 blank.gif"), "new");
    if (oldThere) {
      EXPECT_EQ(read(place / "user/data/topmenu.gif"), "old");
      EXPECT_EQ(read(place / "user/2 blank.gif"), "old");
    } else {
      EXPECT_FALSE(fs::exists(place / "user/data"));
    }
  }
}

TEST_F(ContentSwapTest, AFirstEntryThatCannotGoBackIsToldAsAHalfSwap) {
  content(root / "user/hifz", "old");
  try {
    swapInBuiltContent(root / "built", root / "user/hifz", failing({2, 3}));
    FAIL() << "no error";
  } catch (const PartlySwapped& error) {
    EXPECT_EQ(error.path1(), root / "built/2 blank.gif");
    EXPECT_THAT(error.what(), ::testing::HasSubstr("only the new data folder is in place"));
  }
  EXPECT_EQ(read(root / "user/hifz/data/topmenu.gif"), "new");
  EXPECT_EQ(read(root / "user/hifz/2 blank.gif"), "old");
}

}  // namespace
}  // namespace hifz
