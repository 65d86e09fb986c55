#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "swf/types.h"

namespace hifz::swf {

// The four rates a movie can store; the lowest is really 5512.5 Hz.
enum class SampleRate : uint8_t { k5512 = 0, k11025 = 1, k22050 = 2, k44100 = 3 };

double samplesPerSecond(SampleRate rate);

// Mono, 16-bit signed samples.
struct Pcm {
  SampleRate rate = SampleRate::k22050;
  std::vector<int16_t> samples;
};

// A sine wave; `amplitude` runs from 0 (silence) to 1 (full scale).
Pcm sineTone(double frequency, double seconds, double amplitude, SampleRate rate);

// MP3 frames of one sample rate and channel count, stored as they are.
struct Mp3Sound {
  SampleRate rate = SampleRate::k44100;
  bool stereo = false;
  // What the frames decode to, per channel.
  uint32_t sampleCount = 0;
  std::vector<uint8_t> frames;
};

// The body of a DefineSound tag.
std::vector<uint8_t> encodeSound(CharacterId id, const Pcm& sound);
// The body of a DefineSound tag of format MP3, played from its first sample.
std::vector<uint8_t> encodeSound(CharacterId id, const Mp3Sound& sound);
// The body of a SoundStreamHead2 tag announcing about `samplesPerFrame` per block.
std::vector<uint8_t> encodeStreamHead(SampleRate rate, uint16_t samplesPerFrame);
// Samples as stored in sound and stream block bodies.
void appendSamples(std::vector<uint8_t>& out, std::span<const int16_t> samples);

}  // namespace hifz::swf
