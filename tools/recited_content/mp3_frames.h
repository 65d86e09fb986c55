#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace hifz::content {

/// What every frame of an MP3 file shares: MPEG layer III at one sample rate,
/// mono or stereo.
struct Mp3Format {
  int sampleRate = 0;
  int channels = 0;
  friend bool operator==(const Mp3Format&, const Mp3Format&) = default;
};

/// The sound of an MP3 file: its audio frames, back to back, without tags or
/// the Xing/Info/VBRI frame an encoder may put first.
struct Mp3Audio {
  Mp3Format format;
  std::uint32_t samples = 0;  // per channel, all frames decoded
  std::vector<std::uint8_t> frames;

  double seconds() const { return static_cast<double>(samples) / format.sampleRate; }
};

/// Why a file is not usable MP3, in a few words.
struct Mp3Problem {
  std::string why;
};

/// Reads the frames of an MP3 file from their headers (nothing is decoded):
/// ID3v2 tags before the first frame and ID3v1, APE or Lyrics tags after the
/// last are skipped. Anything else that is not a whole layer III frame of the
/// first frame's format is a problem, and so is a file with no audio frame.
std::variant<Mp3Audio, Mp3Problem> readMp3(std::span<const std::uint8_t> file);

/// Joins sounds of one format, in order.
Mp3Audio joined(const std::vector<const Mp3Audio*>& parts);

}  // namespace hifz::content
