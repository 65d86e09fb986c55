#include "sound_recorder.h"

#include <QProcess>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "page_fixture.h"

namespace hifz::testing {
namespace {
constexpr int kRate = 22050;
constexpr int kClearOfZero = 300;
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

// The median over 50 ms blocks of the time between rising crossings, leaving
// out quiet blocks: a recording may begin or end with a little silence, and a
// busy machine may drop or repeat a piece of the sound now and then.
double toneFrequency(const std::vector<std::int16_t>& samples) {
  constexpr std::size_t kBlock = kRate / 20;
  std::vector<double> frequencies;
  for (std::size_t start = 0; start + kBlock <= samples.size(); start += kBlock) {
    const auto first = samples.begin() + static_cast<std::ptrdiff_t>(start);
    const std::vector<std::int16_t> block(first, first + kBlock);
    if (loudness(block) < 1000) continue;
    // A sign counts once the sample is clear of zero, so noise about a
    // crossing is not taken for more crossings.
    std::vector<std::size_t> rising;
    int sign = 0;
    for (std::size_t i = 0; i < block.size(); ++i) {
      const int now = block[i] > kClearOfZero ? 1 : block[i] < -kClearOfZero ? -1 : 0;
      if (now == 1 && sign == -1) rising.push_back(i);
      if (now != 0) sign = now;
    }
    if (rising.size() < 3) continue;
    frequencies.push_back(double(rising.size() - 1) * kRate /
                          double(rising.back() - rising.front()));
  }
  if (frequencies.empty()) return 0;
  std::nth_element(frequencies.begin(), frequencies.begin() + frequencies.size() / 2,
                   frequencies.end());
  return frequencies[frequencies.size() / 2];
}

}  // namespace hifz::testing
