#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>

#include "content/catalog.h"
#include "content/quran_text.h"
#include "recitation_files.h"
#include "recited_fixture.h"

namespace hifz::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

// Sets the process's umask for as long as it lives.
class Umask {
 public:
  explicit Umask(mode_t mask) : before_(::umask(mask)) {}
  ~Umask() { ::umask(before_); }
  Umask(const Umask&) = delete;
  Umask& operator=(const Umask&) = delete;

 private:
  mode_t before_;
};

TEST_F(RecitedBuildTest, OutIsMadeWithThePermissionsTheUmaskGives) {
  struct Case {
    mode_t umask;
    fs::perms folders;
    fs::perms files;
  };
  for (const Case& c :
       {Case{022, fs::perms(0755), fs::perms(0644)}, Case{077, fs::perms(0700), fs::perms(0600)}}) {
    SCOPED_TRACE(c.umask);
    QTemporaryDir dir;
    const fs::path out = fs::path(dir.path().toStdString()) / "out";
    {
      const Umask mask(c.umask);
      build(recitation(), out, {114});
    }
    for (const fs::path& folder : {out, out / "data", out / "data/1-1/An Nas"}) {
      EXPECT_EQ(fs::status(folder).permissions(), c.folders) << folder;
    }
    for (const fs::path& file : {out / "2 blank.gif", out / "data/1-1/An Nas/menu.gif"}) {
      EXPECT_EQ(fs::status(file).permissions(), c.files) << file;
    }
  }
}

TEST_F(RecitedBuildTest, AStoppedBuildLeavesOutAsItWasAndNothingBesideIt) {
  for (const bool outThere : {false, true}) {
    SCOPED_TRACE(outThere ? "OUT there, forced" : "no OUT");
    QTemporaryDir dir;
    const fs::path out = fs::path(dir.path().toStdString()) / "out";
    if (outThere) build(recitation(), out, {112});
    const std::vector<std::string> before = outThere ? filesUnder(out) : std::vector<std::string>{};

    std::atomic<bool> stop = false;
    content::BuildRequest request;
    request.audio = recitation();
    request.out = out;
    request.force = true;
    request.surahs = {114, 113, 111};
    request.quranChapters = content::defaultChaptersFolder();
    request.stop = &stop;
    content::BuildListener listener;
    // As a cancel button pressed once the first chapter is done.
    listener.finished = [&](const content::ChapterOutcome&, int, int) { stop = true; };
    EXPECT_THROW(content::buildRecitedContent(request, listener), content::BuildStopped);

    EXPECT_EQ(fs::exists(out), outThere);
    if (outThere) {
      EXPECT_EQ(filesUnder(out), before);
    }
    EXPECT_EQ(namesIn(out.parent_path()),
              outThere ? std::vector<std::string>{"out"} : std::vector<std::string>{});
  }
}

TEST_F(RecitedBuildTest, AnOutThatAppearsDuringTheBuildIsReplacedOnlyWhenForced) {
  struct Case {
    const char* what;
    std::vector<std::string> files;  // a name ending in '/' is a folder; "" is OUT as a file
    bool force;
  };
  const Case cases[] = {
      {"an empty folder", {}, false},
      {"content made meanwhile", {"data/", "data/startUp.gif", "2 blank.gif"}, false},
      {"a file", {""}, false},
      {"content made meanwhile, forced", {"data/", "data/startUp.gif", "2 blank.gif"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    const fs::path out = fs::path(dir.path().toStdString()) / "out";
    content::BuildRequest request;
    request.audio = recitation();
    request.out = out;
    request.force = c.force;
    request.surahs = {114};
    request.quranChapters = content::defaultChaptersFolder();
    content::BuildListener listener;
    // As another program making OUT once the build's check of it is past.
    listener.finished = [&](const content::ChapterOutcome&, int, int) {
      if (c.files.empty()) fs::create_directories(out);
      for (const std::string& file : c.files) {
        if (file.ends_with('/')) {
          fs::create_directories(out / file);
        } else {
          writeBytes(file.empty() ? out : out / file, {'m', 'i', 'n', 'e'});
        }
      }
    };
    if (c.force) {
      content::buildRecitedContent(request, listener);
      EXPECT_TRUE(fs::is_regular_file(out / "data/1-1/An Nas/menu.gif"));
      EXPECT_GT(fs::file_size(out / "data/startUp.gif"), 4u) << "made anew";
    } else {
      try {
        content::buildRecitedContent(request, listener);
        ADD_FAILURE() << "built over what appeared";
      } catch (const content::ContentError& error) {
        EXPECT_THAT(error.what(), HasSubstr(out.string() + " appeared while"));
        EXPECT_THAT(error.what(), HasSubstr("left as it is"));
      }
      if (fs::is_directory(out)) {
        EXPECT_FALSE(fs::exists(out / "data/1-1")) << "replaced";
      } else {
        EXPECT_EQ(readBytes(out), (std::vector<std::uint8_t>{'m', 'i', 'n', 'e'}));
      }
    }
    EXPECT_EQ(namesIn(out.parent_path()), std::vector<std::string>{"out"})
        << "nothing left beside OUT";
  }
}

TEST_F(RecitedBuildTest, AFileThatCannotBeWrittenIsNamedInOutWithWhy) {
  QTemporaryDir dir;
  const QString out = dir.filePath("out");
  // Files of more than 40 KiB fail with EFBIG rather than end the command.
  QProcess process;
  process.start("bash", {"-c", "trap '' XFSZ; ulimit -f 40; exec \"$0\" \"$@\"", HIFZ_BUILD_CONTENT,
                         "--chapters", "114", QString::fromStdString(recitation().string()), out});
  ASSERT_TRUE(process.waitForFinished(120000));
  const std::string err = process.readAllStandardError().toStdString();
  EXPECT_EQ(process.exitCode(), 1) << err;
  EXPECT_THAT(err, HasSubstr("cannot write " + out.toStdString() + "/data/1-1/An Nas/"));
  EXPECT_THAT(err, HasSubstr(": File too large"));
  EXPECT_THAT(err, Not(HasSubstr("/.out-")));
  EXPECT_THAT(namesIn(dir.path().toStdString()), IsEmpty());
}

// Every verse of every chapter the program carries, one short tone each: a
// build that lasts a few seconds.
fs::path wholeRecitation(const fs::path& root) {
  const fs::path folder = root / "whole";
  fs::create_directories(folder);
  const std::vector<std::uint8_t> tone = toneMp3(440, 0.3, 22050, 1);
  for (const content::CatalogChapter& chapter : content::catalog()) {
    const auto text = content::readChapterText(content::defaultChaptersFolder(), chapter.surah);
    for (int verse = 1; verse <= text.verses.size(); ++verse) {
      writeBytes(folder / ToneVerse{chapter.surah, verse, 0, 0, 0, 0, false}.fileName(), tone);
    }
  }
  return folder;
}

TEST_F(RecitedBuildTest, ASignalStopsTheCommandAndNothingIsLeftBesideOut) {
  QTemporaryDir recitationDir;
  const fs::path audio = wholeRecitation(recitationDir.path().toStdString());
  for (const int stopSignal : {SIGHUP, SIGTERM, SIGINT}) {
    SCOPED_TRACE(strsignal(stopSignal));
    QTemporaryDir dir;
    QProcess process;
    process.start(HIFZ_BUILD_CONTENT,
                  {QString::fromStdString(audio.string()), dir.filePath("out")});
    // Once the hidden folder is made beside OUT, the build is under way.
    QElapsedTimer clock;
    clock.start();
    while (namesIn(dir.path().toStdString()).empty() && clock.elapsed() < 60000) {
      QThread::msleep(5);
    }
    ::kill(static_cast<pid_t>(process.processId()), stopSignal);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_THAT(process.readAllStandardError().toStdString(),
                HasSubstr("stopped; nothing was written"));
    EXPECT_THAT(namesIn(dir.path().toStdString()), IsEmpty());
  }
}

}  // namespace
}  // namespace hifz::testing
