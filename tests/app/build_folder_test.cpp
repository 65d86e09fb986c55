#include "reciter/build_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace hifz {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class BuildFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("hifz-build-folder-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "share");
  }
  void TearDown() override { fs::remove_all(root); }

  // A folder with a file in it, as a build leaves its content.
  static void filled(const fs::path& folder) {
    fs::create_directories(folder / "content/data");
    std::ofstream(folder / "content/data/topmenu.gif") << "gif";
  }

  fs::path root;
};

TEST_F(BuildFolderTest, TheSweepRemovesOnlyFoldersNoBuildHolds) {
  const fs::path share = root / "share";
  // A build killed once its lock was taken: the lock file stays, free.
  filled(share / ".hifz-reciter-killed");
  std::ofstream(share / ".hifz-reciter-killed/.lock");
  // One from a run that made no lock file.
  filled(share / ".hifz-reciter-oldrun");
  // Another instance's build in progress.
  auto running = std::make_unique<BuildFolder>(share);
  filled(running->path());
  // What is not a build folder: the user's own, one not named as a build
  // names its folder, a link to a folder elsewhere, a file.
  filled(share / "hifz");
  filled(share / ".hifz-reciter-notes");
  filled(root / "elsewhere");
  fs::create_directory_symlink(root / "elsewhere", share / ".hifz-reciter-linked");
  std::ofstream(share / ".hifz-reciter-myfile") << "the learner's";

  EXPECT_THAT(removeLeftBuildFolders(share),
              UnorderedElementsAre(share / ".hifz-reciter-killed", share / ".hifz-reciter-oldrun"));

  EXPECT_TRUE(fs::exists(running->path() / "content/data/topmenu.gif"));
  EXPECT_TRUE(fs::exists(share / "hifz/content/data/topmenu.gif"));
  EXPECT_TRUE(fs::exists(share / ".hifz-reciter-notes/content/data/topmenu.gif"));
  EXPECT_TRUE(fs::exists(root / "elsewhere/content/data/topmenu.gif"));
  EXPECT_TRUE(fs::is_symlink(share / ".hifz-reciter-linked"));
  EXPECT_TRUE(fs::is_regular_file(share / ".hifz-reciter-myfile"));
  // Its build still holds it, however often others sweep.
  EXPECT_THAT(removeLeftBuildFolders(share), ::testing::IsEmpty());

  const std::string name = running->path().filename().string();
  EXPECT_TRUE(name.starts_with(".hifz-reciter-")) << name;
  running.reset();
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(share)) {
    left.push_back(entry.path().filename().string());
  }
  std::sort(left.begin(), left.end());
  EXPECT_THAT(left, ElementsAre(".hifz-reciter-linked", ".hifz-reciter-myfile",
                                ".hifz-reciter-notes", "hifz"))
      << "the build's own folder goes with it";
}

TEST_F(BuildFolderTest, ASweepOfAFolderThatIsNotThereRemovesNothing) {
  EXPECT_THAT(removeLeftBuildFolders(root / "none"), ::testing::IsEmpty());
  EXPECT_THAT(removeLeftBuildFolders({}), ::testing::IsEmpty());
}

}  // namespace
}  // namespace hifz
