#include <gtest/gtest.h>
#include <sndfile.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <vector>

#include "platform/pulse_take_player.h"
#include "platform/sndfile_take_files.h"
#include "recitation/take_shelf.h"
#include "sound_recorder.h"

namespace hifz {
namespace {

// 2024-03-01 08:00:00 UTC.
constexpr std::int64_t kTakenAt = 1709280000000;

Take toneTake(int ms, double hz) {
  Take take{{114, 5}, "5-1.gif", {}, 16000, kTakenAt};
  for (int i = 0; i < ms * 16; ++i)
    take.samples.push_back(
        static_cast<std::int16_t>(8000 * std::sin(2 * std::numbers::pi * hz * i / 16000)));
  return take;
}

std::vector<std::int16_t> readFlac(const std::filesystem::path& path, SF_INFO& info) {
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file) return {};
  std::vector<std::int16_t> samples(static_cast<std::size_t>(info.frames));
  sf_read_short(file, samples.data(), info.frames);
  sf_close(file);
  return samples;
}

TEST(SndfileTakeFiles, KeepsATakeWholeAsFlacNamedByChapterVerseAndTime) {
  QTemporaryDir home;
  const std::filesystem::path folder = std::filesystem::path(home.path().toStdString()) / "takes";
  SndfileTakeFiles files(folder);
  const Take take = toneTake(700, 440);
  setenv("TZ", "UTC", 1);
  const KeptTake kept = files.keep(take);
  ASSERT_TRUE(kept.kept) << kept.pathOrWhy;
  EXPECT_EQ(kept.pathOrWhy, (folder / "114-005-2024-03-01-080000.flac").string());
  SF_INFO info{};
  EXPECT_EQ(readFlac(kept.pathOrWhy, info), take.samples);
  EXPECT_EQ(info.samplerate, 16000);
  EXPECT_EQ(info.channels, 1);
  EXPECT_EQ(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_FLAC);
  // Only the kept file is there: nothing half-written beside it.
  int files_there = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    ++files_there;
    EXPECT_EQ(entry.path(), kept.pathOrWhy);
  }
  EXPECT_EQ(files_there, 1);
}

TEST(SndfileTakeFiles, AFolderThatCannotBeMadeKeepsNothingAndSaysWhy) {
  QTemporaryDir home;
  const std::filesystem::path inTheWay = std::filesystem::path(home.path().toStdString()) / "takes";
  std::ofstream(inTheWay) << "a file where the folder would be";
  SndfileTakeFiles files(inTheWay);
  const KeptTake kept = files.keep(toneTake(100, 440));
  EXPECT_FALSE(kept.kept);
  EXPECT_NE(kept.pathOrWhy.find("takes"), std::string::npos) << kept.pathOrWhy;
  EXPECT_FALSE(files.keep(Take{}).kept) << "an empty take";
}

TEST(PulseTakePlayer, PlaysTheTakeOnTheDefaultOutputAndTellsItsEnd) {
  ASSERT_TRUE(testing::canRecordSound());
  PulseTakePlayer player;
  const Take take = toneTake(600, 440);
  bool ended = false;
  QElapsedTimer timer;
  const std::vector<std::int16_t> heard = testing::recordSoundOf(
      [&] {
        timer.start();
        ASSERT_TRUE(player.play(take.samples, take.sampleRate, [&] { ended = true; }));
        while (!ended && timer.elapsed() < 3000)
          QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      },
      200);
  EXPECT_TRUE(ended);
  EXPECT_GE(timer.elapsed(), 500);
  EXPECT_LE(timer.elapsed(), 1500);
  EXPECT_GT(testing::loudness(heard), 1000);
  EXPECT_NEAR(testing::toneFrequency(heard), 440, 20);
}

TEST(PulseTakePlayer, AStoppedTakeNeverTellsItsEnd) {
  PulseTakePlayer player;
  const Take take = toneTake(300, 440);
  bool ended = false;
  ASSERT_TRUE(player.play(take.samples, take.sampleRate, [&] { ended = true; }));
  player.stop();
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 800) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_FALSE(ended);
  EXPECT_FALSE(player.play({}, 16000, [] {})) << "nothing to play";
}

}  // namespace
}  // namespace hifz
