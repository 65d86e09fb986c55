#include "platform/user_settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace hifz {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Pair;

class UserSettingsFile : public ::testing::Test {
 protected:
  void SetUp() override { newHome(); }
  /// A fresh settings folder: Qt keeps what it read of a file by its path.
  void newHome() {
    home_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(home_->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home_->path());
    fs::create_directories(folder());
  }
  fs::path folder() const { return fs::path(home_->path().toStdString()) / "hifz"; }
  fs::path file() const { return folder() / "hifz.conf"; }
  void write(const std::string& text) { std::ofstream(file(), std::ios::binary) << text; }
  std::string read() const {
    std::ifstream in(file(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  /// What a run of the program reads at start, and what it says on stderr.
  std::map<std::string, std::string> valuesAtStart(std::string& said) {
    ::testing::internal::CaptureStderr();
    UserSettings settings;
    auto values = settings.values();
    said = ::testing::internal::GetCapturedStderr();
    return values;
  }

 private:
  std::unique_ptr<QTemporaryDir> home_;
};

TEST_F(UserSettingsFile, WhatIsKeptIsReadByTheNextRunAndTheFileIsText) {
  {
    UserSettings settings;
    settings.setValue("reading/repeat", "3");
    settings.setValue("ranges/1-1.1", "2 7 drill");
  }
  std::string said;
  EXPECT_THAT(valuesAtStart(said),
              ElementsAre(Pair("ranges/1-1.1", "2 7 drill"), Pair("reading/repeat", "3")));
  EXPECT_THAT(said, IsEmpty());
  EXPECT_THAT(read(), HasSubstr("repeat=3"));
  // Nothing but the settings file is left in its folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder()), fs::directory_iterator()), 1);
}

// A file that cannot be read or is no settings file is not used, with one
// line on stderr, and the next change replaces it with the new settings only.
TEST_F(UserSettingsFile, AFileThatCannotBeUsedIsToldOfOnceAndReplacedOnTheNextChange) {
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"bytes", std::string("\x00\xff[\x01=\n\x7f\"\\", 11) + "[reading\nrepeat"},
      {"text", "Dear diary,\ntoday I learnt three verses.\n"},
      {"a list", "[reading]\nrepeat=3, 4\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    newHome();
    write(c.text);
    std::string said;
    const auto values = valuesAtStart(said);
    EXPECT_THAT(values, IsEmpty());
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_THAT(said, HasSubstr(file().string()));
    {
      UserSettings settings;
      settings.setValue("reading/pause", "4");
    }
    EXPECT_THAT(valuesAtStart(said), ElementsAre(Pair("reading/pause", "4")));
  }
}

TEST_F(UserSettingsFile, NonsenseFoundInTheValuesIsSetAsideUntilTheNextChange) {
  write("[reading]\nrepeat=banana\n\n[notices]\nsampleContentShown=true\n");
  ::testing::internal::CaptureStderr();
  {
    UserSettings settings;
    settings.discard("reading/repeat = \"banana\"");
    EXPECT_THAT(settings.values(), IsEmpty());
    EXPECT_FALSE(settings.sampleNoticeShown());
  }
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_THAT(said, HasSubstr("banana"));
  EXPECT_THAT(read(), HasSubstr("banana"));  // not written until a change
  {
    UserSettings settings;
    settings.setValue("reading/repeat", "2");
  }
  std::string again;
  // The next run reads the file as it is; the discard was the core's to make.
  EXPECT_THAT(valuesAtStart(again),
              ElementsAre(Pair("notices/sampleContentShown", "true"), Pair("reading/repeat", "2")));
}

// A value set aside alone, or a key no longer used, stays in the file until
// the next change, which drops it and keeps the rest.
TEST_F(UserSettingsFile, AValueSetAsideOrForgottenGoesWithTheNextChange) {
  write(
      "[chapters]\nlast=1-1.1\n\n[ranges]\n1-1.1=7 32767 drill\n1-1.2=2 3 once\n\n"
      "[reading]\nrepeat=3\n");
  // As the program does at each start on this file.
  const auto setAside = [](UserSettings& settings) {
    settings.forget("chapters/last");
    settings.discardValue("ranges/1-1.1", "it goes past its chapter's last verse, 9");
  };
  ::testing::internal::CaptureStderr();
  {
    UserSettings settings;
    setAside(settings);
  }
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_THAT(said, HasSubstr("ranges/1-1.1 = \"7 32767 drill\" in " + file().string()));
  EXPECT_THAT(said, HasSubstr("it goes past its chapter's last verse, 9"));
  EXPECT_THAT(read(), HasSubstr("32767"));
  {
    UserSettings settings;
    setAside(settings);
    settings.setValue("reading/repeat", "4");
  }
  std::string again;
  EXPECT_THAT(valuesAtStart(again),
              ElementsAre(Pair("ranges/1-1.2", "2 3 once"), Pair("reading/repeat", "4")));
  EXPECT_THAT(again, IsEmpty());
}

TEST_F(UserSettingsFile, AFolderInThePlaceOfTheFileIsLeftAndTheChangeIsNotKept) {
  fs::create_directory(file());
  std::string said;
  EXPECT_THAT(valuesAtStart(said), IsEmpty());
  EXPECT_THAT(said, HasSubstr("cannot be read"));
  ::testing::internal::CaptureStderr();
  {
    UserSettings settings;
    settings.setValue("reading/repeat", "2");
    settings.setValue("reading/repeat", "3");
  }
  said = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(fs::is_directory(file()));
  EXPECT_THAT(said, HasSubstr("could not be kept"));
}

}  // namespace
}  // namespace hifz
