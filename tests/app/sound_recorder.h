#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace hifz::testing {

/// Whether the sound server has the null sink of the headless test run
/// (scripts/headless) to listen to.
bool canRecordSound();
/// What is played on that sink, recorded for `ms` milliseconds as 22050 Hz
/// mono samples. The sink gives nothing while nothing plays.
std::vector<std::int16_t> recordSound(int ms);
/// The same, but `sound` runs once the recorder hears the sink (it may take
/// most of a second to start), and the recording lasts `ms` from then.
std::vector<std::int16_t> recordSoundOf(const std::function<void()>& sound, int ms);

/// Root mean square of the samples, 0 to 32767.
double loudness(const std::vector<std::int16_t>& samples);
/// The frequency of a pure tone, from how often its samples change sign.
double toneFrequency(const std::vector<std::int16_t>& samples);

}  // namespace hifz::testing
