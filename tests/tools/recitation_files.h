#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace hifz::testing {

/// A sine tone encoded by Debian's `lame` command at its own sample rate:
/// mono or stereo, with an ID3v2 tag when asked.
std::vector<std::uint8_t> toneMp3(double frequency, double seconds, int sampleRate, int channels,
                                  bool id3Tag = false);

/// Samples per channel that libmpg123 decodes from an MP3 file, every frame
/// counted (no gapless trimming), and its sample rate.
struct DecodedLength {
  std::uint64_t samples = 0;
  long sampleRate = 0;
};
DecodedLength decodedLength(const std::filesystem::path& file);

/// One verse of the test recitation: a tone of its own frequency.
struct ToneVerse {
  int surah = 0;
  int verse = 0;
  double frequency = 0;
  double seconds = 0;
  int sampleRate = 0;
  int channels = 0;
  bool id3Tag = false;

  std::string fileName() const;  // "114001.mp3"
};

/// A small recitation: An Nas whole at 44.1 kHz mono, two files with an ID3v2
/// tag; Al Falaq at 48 kHz stereo without verse 4; Iklas at 22.05 kHz with
/// verse 2 a file that is not MP3; Al Masad at 44.1 and 22.05 kHz; and one
/// verse of Al Baqarah, which the program does not carry.
const std::vector<ToneVerse>& toneVerses();
inline constexpr const char* kNotMp3Verse = "112002.mp3";
/// Writes the recitation's files into `folder`.
void writeToneRecitation(const std::filesystem::path& folder);

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);

}  // namespace hifz::testing
