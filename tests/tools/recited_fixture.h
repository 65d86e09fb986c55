#pragma once

#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "content/recited/mp3_frames.h"
#include "content/recited/recited_build.h"

namespace hifz::testing {

/// What a build gave, and what it told on the way.
struct Built {
  std::filesystem::path out;
  std::vector<std::string> problems;
  content::BuildSummary summary;
};

/// The tone recitation, written once per test program, and the content built
/// from its folder: of the original course's chapters, laid out as always,
/// and of every chapter it has files of, Al Baqarah's verse 1 included.
class RecitedBuildTest : public ::testing::Test {
 protected:
  static std::filesystem::path root();
  static std::filesystem::path recitation();
  static const Built& fromFolder();
  static const Built& everyChapter();

  /// Builds with the Quran text the tests use, gathering what is told.
  static Built build(const std::filesystem::path& audio, const std::filesystem::path& out,
                     std::vector<int> surahs = {}, bool force = false);
  static std::filesystem::path chapterFolder(const Built& built, int surah);
  static std::string problemsText(const Built& built);
};

/// The files under a folder, relative to it and sorted.
std::vector<std::string> filesUnder(const std::filesystem::path& folder);

/// The names of what is in a folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

/// The sound of an MP3 file, failing the test when it has none.
content::Mp3Audio audioOf(const std::filesystem::path& file);

/// How a run of hifz-build-content ended.
struct Outcome {
  int exitCode = -1;  // -1 when it did not end normally
  std::string out;
  std::string err;
};
Outcome runBuildContent(const QStringList& arguments, const QProcessEnvironment& environment =
                                                          QProcessEnvironment::systemEnvironment());

}  // namespace hifz::testing
