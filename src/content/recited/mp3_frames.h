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
  std::vector<std::string> notes;  // what reading left out that a user may want to know

  double seconds() const { return static_cast<double>(samples) / format.sampleRate; }
};

/// Why a file is not usable MP3, in a few words.
struct Mp3Problem {
  std::string why;
};

/// Reads the frames of an MP3 file from their headers (nothing is decoded), as
/// players do: ID3v2 tags before the first frame and ID3v1, APE or Lyrics3
/// tags after the last are skipped; a last frame cut short, stray bytes
/// between frames and bytes after the last frame are left out, with a note.
/// A file without a layer III frame is a problem, and so are free-format
/// frames and frames of a second format.
std::variant<Mp3Audio, Mp3Problem> readMp3(std::span<const std::uint8_t> file);

/// Joins sounds of one format, in order.
Mp3Audio joined(const std::vector<const Mp3Audio*>& parts);

}  // namespace hifz::content
