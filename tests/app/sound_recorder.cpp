#include "sound_recorder.h"

#include <QProcess>
#include <cmath>
#include <cstring>

#include "page_fixture.h"

namespace hifz::testing {
namespace {
constexpr int kRate = 22050;
}  // namespace

bool canRecordSound() {
  QProcess sinks;
  sinks.start("pactl", {"list", "short", "sinks"});
  return sinks.waitForFinished() && sinks.exitCode() == 0 &&
         sinks.readAllStandardOutput().contains("hifz_null");
}

std::vector<std::int16_t> recordSoundOf(const std::function<void()>& sound, int ms) {
  QProcess recorder;
  recorder.start("parec", {"--device=hifz_null.monitor", "--format=s16le",
                           QStringLiteral("--rate=%1").arg(kRate), "--channels=1", "--raw",
                           "--latency-msec=20"});
  if (!recorder.waitForStarted()) return {};
  QByteArray bytes;
  waitUntil([&recorder, &bytes] {
    bytes += recorder.readAllStandardOutput();
    return !bytes.isEmpty();
  });
  sound();
  runFor(ms);
  recorder.terminate();
  recorder.waitForFinished();
  bytes += recorder.readAllStandardOutput();
  std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
  std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  return samples;
}

std::vector<std::int16_t> recordSound(int ms) {
  return recordSoundOf([] {}, ms);
}

double loudness(const std::vector<std::int16_t>& samples) {
  if (samples.empty()) return 0;
  double sum = 0;
  for (const std::int16_t sample : samples) sum += double(sample) * sample;
  return std::sqrt(sum / double(samples.size()));
}

// Counted in 10 ms blocks, leaving out quiet ones: a recording may begin or
// end with a little silence.
double toneFrequency(const std::vector<std::int16_t>& samples) {
  constexpr std::size_t kBlock = kRate / 100;
  int crossings = 0;
  std::size_t counted = 0;
  for (std::size_t start = 0; start + kBlock <= samples.size(); start += kBlock) {
    const auto first = samples.begin() + static_cast<std::ptrdiff_t>(start);
    const std::vector<std::int16_t> block(first, first + kBlock);
    if (loudness(block) < 1000) continue;
    for (std::size_t i = 1; i < kBlock; ++i) crossings += (block[i - 1] < 0) != (block[i] < 0);
    counted += kBlock;
  }
  return counted == 0 ? 0 : crossings / 2.0 * kRate / double(counted);
}

}  // namespace hifz::testing
