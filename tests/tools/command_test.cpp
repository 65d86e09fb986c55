#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

namespace hifz::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the command with no display and no Qt platform chosen, as scripts/run may.
Outcome makeContent(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(name);
  process.setProcessEnvironment(environment);
  process.start(HIFZ_MAKE_CONTENT, arguments);
  EXPECT_TRUE(process.waitForFinished(120000));
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

TEST(MakeContentCommand, WritesTheBlankMovieAndTheDataFolderAndSaysHowMuch) {
  QTemporaryDir dir;
  const Outcome outcome = makeContent({dir.path()});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_THAT(outcome.out, HasSubstr("767 files"));
  EXPECT_TRUE(fs::is_regular_file(fs::path(dir.path().toStdString()) / "2 blank.gif"));
  EXPECT_TRUE(
      fs::is_regular_file(fs::path(dir.path().toStdString()) / "data/2-2/Annaziat/Menu3.gif"));
}

TEST(MakeContentCommand, RefusesADataFolderThatIsThereWithoutTouchingIt) {
  QTemporaryDir dir;
  const fs::path data = fs::path(dir.path().toStdString()) / "data";
  fs::create_directory(data);
  std::ofstream(data / "startUp.gif") << "mine";
  const Outcome outcome = makeContent({dir.path()});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_THAT(outcome.err, HasSubstr("already there"));
  EXPECT_EQ(fs::file_size(data / "startUp.gif"), 4u);
  EXPECT_FALSE(fs::exists(data.parent_path() / "2 blank.gif"));
}

TEST(MakeContentCommand, AMissingQuranTextIsReportedAndNothingIsMade) {
  QTemporaryDir dir;
  QTemporaryDir empty;
  const Outcome outcome = makeContent({"--quran-json", empty.path(), dir.path()});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_THAT(outcome.err, HasSubstr("quran-json"));
  EXPECT_TRUE(fs::is_empty(dir.path().toStdString()));
}

TEST(MakeContentCommand, WithoutAFolderItShowsHowToUseIt) {
  const Outcome outcome = makeContent({});
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_THAT(outcome.out, HasSubstr("application-folder"));
}

}  // namespace
}  // namespace hifz::testing
