#include "recited_fixture.h"

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <variant>

#include "content/catalog.h"
#include "content/quran_text.h"
#include "recitation_files.h"

namespace hifz::testing {

namespace fs = std::filesystem;

fs::path RecitedBuildTest::root() {
  static QTemporaryDir dir;
  return dir.path().toStdString();
}

fs::path RecitedBuildTest::recitation() {
  static const fs::path folder = [] {
    writeToneRecitation(root() / "reciter");
    return root() / "reciter";
  }();
  return folder;
}

const Built& RecitedBuildTest::fromFolder() {
  static const Built built = [] {
    std::vector<int> original;
    for (const content::CatalogChapter& chapter : content::catalog())
      original.push_back(chapter.surah);
    return build(recitation(), root() / "from folder", original);
  }();
  return built;
}

const Built& RecitedBuildTest::everyChapter() {
  static const Built built = build(recitation(), root() / "every chapter");
  return built;
}

Built RecitedBuildTest::build(const fs::path& audio, const fs::path& out, std::vector<int> surahs,
                              bool force) {
  Built built{out, {}, {}};
  content::BuildRequest request;
  request.audio = audio;
  request.out = out;
  request.force = force;
  request.surahs = std::move(surahs);
  request.quranChapters = content::defaultChaptersFolder();
  content::BuildListener listener;
  listener.problem = [&](const std::string& problem) { built.problems.push_back(problem); };
  built.summary = content::buildRecitedContent(request, listener);
  return built;
}

fs::path RecitedBuildTest::chapterFolder(const Built& built, int surah) {
  static const std::map<int, std::string> kFolders = {{114, "1-1/An Nas"},
                                                      {113, "1-1/Al Falaq"},
                                                      {112, "1-1/Iklas"},
                                                      {111, "1-1/al masad"},
                                                      {2, "1/002 Al-Baqarah"}};
  return built.out / "data" / kFolders.at(surah);
}

std::string RecitedBuildTest::problemsText(const Built& built) {
  std::string text;
  for (const std::string& problem : built.problems) text += problem + "\n";
  return text;
}

std::vector<std::string> filesUnder(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) names.push_back(fs::relative(entry.path(), folder).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

content::Mp3Audio audioOf(const fs::path& file) {
  auto audio = content::readMp3(readBytes(file));
  EXPECT_TRUE(std::holds_alternative<content::Mp3Audio>(audio)) << file;
  return std::holds_alternative<content::Mp3Audio>(audio) ? std::get<content::Mp3Audio>(audio)
                                                          : content::Mp3Audio{};
}

Outcome runBuildContent(const QStringList& arguments, const QProcessEnvironment& environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(HIFZ_BUILD_CONTENT, arguments);
  EXPECT_TRUE(process.waitForFinished(120000));
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

}  // namespace hifz::testing
