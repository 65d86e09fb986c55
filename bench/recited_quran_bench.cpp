// Builds a complete reciter of 6,236 verses with hifz-build-content and prints
// how long it took and how large the content is beside the reciter's files.
// The verses are the tests' own tones: a few lengths, most at 44.1 kHz, some
// at 22.05 kHz, some with an ID3v2 tag, each chapter mostly of one rate.
// Usage: hifz_recited_quran_bench [work folder]   (a temporary one by default)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "content/quran_text.h"
#include "recitation_files.h"

namespace {

namespace fs = std::filesystem;

std::uintmax_t bytesUnder(const fs::path& folder) {
  std::uintmax_t bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) bytes += entry.file_size();
  }
  return bytes;
}

// Twelve verses to draw from: 0.6 to 3.9 s, every fourth at 22.05 kHz, every
// third tagged.
std::vector<std::vector<std::uint8_t>> verseSounds() {
  std::vector<std::vector<std::uint8_t>> sounds;
  for (int i = 0; i < 12; ++i) {
    sounds.push_back(hifz::testing::toneMp3(300 + 25 * i, 0.6 + 0.3 * i, i % 4 == 3 ? 22050 : 44100,
                                            1, i % 3 == 0));
  }
  return sounds;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QTemporaryDir temporary;
  const fs::path work = argc > 1 ? fs::path(argv[1]) : fs::path(temporary.path().toStdString());
  const fs::path audio = work / "reciter";
  const fs::path out = work / "content";
  fs::remove_all(out);
  fs::create_directories(audio);

  const std::vector<std::vector<std::uint8_t>> sounds = verseSounds();
  const fs::path chapters = hifz::content::defaultChaptersFolder();
  int verses = 0;
  for (int surah = 1; surah <= 114; ++surah) {
    const int count =
        static_cast<int>(hifz::content::readChapterText(chapters, surah).verses.size());
    for (int verse = 1; verse <= count; ++verse, ++verses) {
      char name[32];
      std::snprintf(name, sizeof name, "%03d%03d.mp3", surah, verse);
      hifz::testing::writeBytes(audio / name,
                                sounds[static_cast<std::size_t>((surah + verse) % sounds.size())]);
    }
  }
  const std::uintmax_t input = bytesUnder(audio);

  QProcess build;
  build.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QElapsedTimer clock;
  clock.start();
  build.start(HIFZ_BUILD_CONTENT,
              {QString::fromStdString(audio.string()), QString::fromStdString(out.string())});
  build.waitForFinished(-1);
  const double seconds = static_cast<double>(clock.elapsed()) / 1000;
  const QByteArray told = build.readAllStandardOutput().trimmed();
  if (build.exitStatus() != QProcess::NormalExit || build.exitCode() != 0) {
    std::fprintf(stderr, "hifz-build-content failed:\n%s\n", told.constData());
    return 1;
  }
  const std::uintmax_t output = bytesUnder(out);
  std::printf("%s\n", told.split('\n').last().constData());
  std::printf("complete reciter: %d verses, 114 chapters built in %.1f s (goal: at most 120 s)\n",
              verses, seconds);
  std::printf("input %.1f MB, output %.1f MB: %.2f x the input (goal: at most 2 x)\n",
              static_cast<double>(input) / 1e6, static_cast<double>(output) / 1e6,
              static_cast<double>(output) / static_cast<double>(input));
  return 0;
}
