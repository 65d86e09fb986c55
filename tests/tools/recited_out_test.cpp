#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>

#include "recited_fixture.h"
#include "sample_content/quran_text.h"

namespace hifz::testing {
namespace {

namespace fs = std::filesystem;

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

}  // namespace
}  // namespace hifz::testing
