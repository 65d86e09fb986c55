#include "platform/app_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace hifz {
namespace {

namespace fs = std::filesystem;

class AppFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("hifz-app-folder-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "prefix/bin");
    fs::create_directories(root / "prefix/share/hifz/data");
  }
  void TearDown() override { fs::remove_all(root); }
  void folder(const std::string& relative) { fs::create_directories(root / relative); }
  void file(const std::string& relative) {
    fs::create_directories((root / relative).parent_path());
    std::ofstream(root / relative) << "";
  }
  // The program installed in root/prefix/bin, the user's home in root/home.
  ContentPlaces places(const std::string& xdgDataHome) const {
    return {root / "prefix/bin", xdgDataHome, (root / "home").string(),
            root / "prefix/bin/../share/hifz"};
  }

  fs::path root;
};

TEST_F(AppFolderTest, TakesTheFirstPlaceThatHoldsADataFolder) {
  struct Case {
    const char* name;
    std::vector<const char*> folders;  // made under root
    std::vector<const char*> files;    // made under root
    const char* xdgDataHome;           // under root; "" for unset, "relative/..." as given
    const char* chosen;                // under root
  };
  const Case cases[] = {
      {"the user's own content first", {"prefix/bin/data", "xdg/hifz/data"}, {}, "xdg", "xdg/hifz"},
      {"beside the program, without the user's",
       {"prefix/bin/data", "xdg/hifz/1-1"},
       {},
       "xdg",
       "prefix/bin"},
      {"the user's XDG folder", {"xdg/hifz/data"}, {}, "xdg", "xdg/hifz"},
      {"XDG unset: ~/.local/share",
       {"home/.local/share/hifz/data"},
       {},
       "",
       "home/.local/share/hifz"},
      {"a set XDG replaces the default",
       {"home/.local/share/hifz/data"},
       {},
       "xdg",
       "prefix/share/hifz"},
      {"a relative XDG is ignored",
       {"home/.local/share/hifz/data"},
       {},
       "relative/xdg",
       "home/.local/share/hifz"},
      {"data in another letter case", {"xdg/hifz/Data"}, {}, "xdg", "xdg/hifz"},
      {"a file named data is no folder", {}, {"xdg/hifz/data"}, "xdg", "prefix/share/hifz"},
      {"a user folder without data", {"xdg/hifz/1-1"}, {}, "xdg", "prefix/share/hifz"},
      {"nothing of the user's", {}, {}, "", "prefix/share/hifz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(root / "prefix/bin/data");
    fs::remove_all(root / "xdg");
    fs::remove_all(root / "home");
    for (const char* f : c.folders) folder(f);
    for (const char* f : c.files) file(f);
    const std::string xdg = c.xdgDataHome;
    const std::string xdgValue =
        xdg.empty() || xdg.starts_with("relative/") ? xdg : (root / xdg).string();
    EXPECT_EQ(chooseAppFolder(places(xdgValue)), root / c.chosen);
  }
}

TEST_F(AppFolderTest, NoHomeAndNoXdgLeaveTheInstalledContent) {
  EXPECT_EQ(chooseAppFolder({root / "prefix/bin", "", "", root / "prefix/bin/../share/hifz"}),
            root / "prefix/share/hifz");
}

TEST_F(AppFolderTest, ChosenFolderEndsWithoutSeparator) {
  folder("xdg/hifz/data");
  EXPECT_EQ(chooseAppFolder(places((root / "xdg/").string())).string(),
            (root / "xdg/hifz").string());
  folder("prefix/bin/data");
  EXPECT_EQ(chooseAppFolder({root / "prefix/bin/", "", "", {}}).string(),
            (root / "prefix/bin").string());
}

}  // namespace
}  // namespace hifz
