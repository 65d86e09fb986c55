#include "swf/sound.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "swf/bytes.h"

namespace hifz::swf {
namespace {

constexpr uint8_t kUncompressedLittleEndian = 3;
constexpr uint8_t kMp3 = 2;

// Compression, rate, 16-bit samples, mono.
uint8_t formatByte(SampleRate rate) {
  return static_cast<uint8_t>(kUncompressedLittleEndian << 4 | static_cast<uint8_t>(rate) << 2 |
                              1 << 1);
}

}  // namespace

double samplesPerSecond(SampleRate rate) {
  switch (rate) {
    case SampleRate::k5512:
      return 5512.5;
    case SampleRate::k11025:
      return 11025;
    case SampleRate::k22050:
      return 22050;
    case SampleRate::k44100:
      return 44100;
  }
  throw std::invalid_argument("unknown sample rate");
}

Pcm sineTone(double frequency, double seconds, double amplitude, SampleRate rate) {
  if (!(seconds >= 0) || !(amplitude >= 0 && amplitude <= 1)) {
    throw std::invalid_argument("tone needs a duration >= 0 and an amplitude in [0, 1]");
  }
  const double perSecond = samplesPerSecond(rate);
  const auto count = static_cast<size_t>(std::llround(seconds * perSecond));
  Pcm pcm{rate, std::vector<int16_t>(count)};
  for (size_t i = 0; i < count; ++i) {
    const double phase = 2 * std::numbers::pi * frequency * static_cast<double>(i) / perSecond;
    pcm.samples[i] = static_cast<int16_t>(std::lround(amplitude * 32767 * std::sin(phase)));
  }
  return pcm;
}

void appendSamples(std::vector<uint8_t>& out, std::span<const int16_t> samples) {
  const size_t start = out.size();
  out.resize(start + samples.size() * 2);
  uint8_t* bytes = out.data() + start;
  const int16_t* in = samples.data();
  for (size_t i = 0; i < samples.size(); ++i) {
    const auto bits = static_cast<uint16_t>(in[i]);
    bytes[2 * i] = static_cast<uint8_t>(bits);
    bytes[2 * i + 1] = static_cast<uint8_t>(bits >> 8);
  }
}

std::vector<uint8_t> encodeSound(CharacterId id, const Pcm& sound) {
  if (sound.samples.size() > UINT32_MAX) throw std::length_error("sound too long");
  ByteWriter out;
  out.u16(id);
  out.u8(formatByte(sound.rate));
  out.u32(static_cast<uint32_t>(sound.samples.size()));
  std::vector<uint8_t> body = out.take();
  appendSamples(body, sound.samples);
  return body;
}

std::vector<uint8_t> encodeSound(CharacterId id, const Mp3Sound& sound) {
  ByteWriter out;
  out.u16(id);
  // MP3 is always announced as 16-bit.
  out.u8(static_cast<uint8_t>(kMp3 << 4 | static_cast<uint8_t>(sound.rate) << 2 | 1 << 1 |
                              (sound.stereo ? 1 : 0)));
  out.u32(sound.sampleCount);
  out.u16(0);  // SeekSamples
  std::vector<uint8_t> body = out.take();
  body.insert(body.end(), sound.frames.begin(), sound.frames.end());
  return body;
}

std::vector<uint8_t> encodeStreamHead(SampleRate rate, uint16_t samplesPerFrame) {
  ByteWriter out;
  // The first byte is the preferred playback format, whose compression bits are unused.
  out.u8(static_cast<uint8_t>(formatByte(rate) & 0x0f));
  out.u8(formatByte(rate));
  out.u16(samplesPerFrame);
  return out.take();
}

}  // namespace hifz::swf
