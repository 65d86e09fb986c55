#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "fake_microphone.h"
#include "virtual_clock.h"

namespace hifz::testing {

/// `ms` milliseconds at 16 kHz of a square wave whose level is `amplitude`
/// (its RMS, of 32768): 3000 is a voice at -21 dBFS, 30 a quiet room at -61.
inline std::vector<std::int16_t> squareWave(int ms, std::int16_t amplitude) {
  std::vector<std::int16_t> samples(static_cast<std::size_t>(ms) * 16);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<std::int16_t>(i % 2 == 0 ? amplitude : -amplitude);
  return samples;
}

/// Speaks into the microphone in blocks of 20 ms, as time passes.
inline void speakInto(FakeMicrophone& microphone, VirtualClock& clock, int ms,
                      std::int16_t amplitude) {
  const std::vector<std::int16_t> samples = squareWave(ms, amplitude);
  for (std::size_t at = 0; at < samples.size(); at += 320) {
    microphone.hear(std::span(samples).subspan(at, 320));
    clock.advance(20);
  }
}

inline constexpr std::int16_t kVoice = 3000;
inline constexpr std::int16_t kQuietRoom = 30;

}  // namespace hifz::testing
