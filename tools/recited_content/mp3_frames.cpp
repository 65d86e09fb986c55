#include "recited_content/mp3_frames.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace hifz::content {
namespace {

using Bytes = std::span<const std::uint8_t>;

// How far into a file its first frame is looked for, past its ID3v2 tags.
constexpr std::size_t kSearchLimit = 64 * 1024;
constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kId3HeaderSize = 10;

struct FrameHeader {
  bool mpeg1 = false;
  Mp3Format format;
  std::size_t length = 0;
  bool crc = false;

  int samples() const { return mpeg1 ? 1152 : 576; }
  // Where a Xing or Info header would begin: after the side information.
  std::size_t xingOffset() const {
    const std::size_t side =
        mpeg1 ? (format.channels == 1 ? 17 : 32) : (format.channels == 1 ? 9 : 17);
    return kHeaderSize + (crc ? 2 : 0) + side;
  }
};

std::optional<FrameHeader> headerAt(Bytes file, std::size_t at) {
  if (at + kHeaderSize > file.size()) return std::nullopt;
  const std::uint8_t b1 = file[at + 1];
  const std::uint8_t b2 = file[at + 2];
  if (file[at] != 0xff || (b1 & 0xe0) != 0xe0) return std::nullopt;
  const int version = (b1 >> 3) & 3;  // 0 MPEG 2.5, 2 MPEG 2, 3 MPEG 1
  const int layer = (b1 >> 1) & 3;    // 1 is layer III
  const int bitrateIndex = b2 >> 4;
  const int rateIndex = (b2 >> 2) & 3;
  if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) {
    return std::nullopt;
  }
  static constexpr std::array<int, 15> kMpeg1Kbps = {0,   32,  40,  48,  56,  64,  80, 96,
                                                     112, 128, 160, 192, 224, 256, 320};
  static constexpr std::array<int, 15> kMpeg2Kbps = {0,  8,  16, 24,  32,  40,  48, 56,
                                                     64, 80, 96, 112, 128, 144, 160};
  static constexpr std::array<int, 3> kMpeg1Rates = {44100, 48000, 32000};
  FrameHeader header;
  header.mpeg1 = version == 3;
  const int kbps = (header.mpeg1 ? kMpeg1Kbps : kMpeg2Kbps)[bitrateIndex];
  const int divider = version == 3 ? 1 : version == 2 ? 2 : 4;
  header.format.sampleRate = kMpeg1Rates[rateIndex] / divider;
  header.format.channels = (file[at + 3] >> 6) == 3 ? 1 : 2;
  header.crc = (b1 & 1) == 0;
  const int perKbps = header.mpeg1 ? 144000 : 72000;
  header.length =
      static_cast<std::size_t>(perKbps * kbps / header.format.sampleRate + ((b2 >> 1) & 1));
  return header;
}

bool startsWith(Bytes file, std::size_t at, std::string_view text) {
  return at + text.size() <= file.size() &&
         std::equal(text.begin(), text.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
}

std::size_t afterId3v2Tags(Bytes file) {
  std::size_t at = 0;
  while (startsWith(file, at, "ID3") && at + kId3HeaderSize <= file.size()) {
    std::size_t size = 0;
    for (std::size_t i = 6; i < 10; ++i) size = size << 7 | (file[at + i] & 0x7f);
    const bool footer = (file[at + 5] & 0x10) != 0;
    at += kId3HeaderSize + size + (footer ? kId3HeaderSize : 0);
  }
  return at;
}

// A frame there, and the next one (or the file's end) where it says.
bool framesChainAt(Bytes file, std::size_t at) {
  const auto first = headerAt(file, at);
  if (!first || at + first->length > file.size()) return false;
  const std::size_t next = at + first->length;
  if (next == file.size()) return true;
  const auto second = headerAt(file, next);
  return second && second->format == first->format;
}

bool isEncoderInfoFrame(Bytes file, std::size_t at, const FrameHeader& header) {
  const std::size_t xing = at + header.xingOffset();
  return startsWith(file, xing, "Xing") || startsWith(file, xing, "Info") ||
         startsWith(file, at + kHeaderSize + 32, "VBRI");
}

// Tags that may follow the last frame; zero bytes are padding.
bool isTrailer(Bytes file, std::size_t at) {
  for (const std::string_view tag : {"TAG", "APETAGEX", "LYRICSBEGIN", "ID3"}) {
    if (startsWith(file, at, tag)) return true;
  }
  return std::all_of(file.begin() + static_cast<std::ptrdiff_t>(at), file.end(),
                     [](std::uint8_t byte) { return byte == 0; });
}

}  // namespace

std::variant<Mp3Audio, Mp3Problem> readMp3(Bytes file) {
  std::size_t at = afterId3v2Tags(file);
  const std::size_t searchEnd = std::min(file.size(), at + kSearchLimit);
  while (at < searchEnd && !framesChainAt(file, at)) ++at;
  if (at >= searchEnd) return Mp3Problem{"no MP3 frame found"};

  const FrameHeader first = *headerAt(file, at);
  if (isEncoderInfoFrame(file, at, first)) at += first.length;
  Mp3Audio audio;
  audio.format = first.format;
  const std::size_t begin = at;
  std::uint64_t samples = 0;
  while (at < file.size()) {
    const auto header = headerAt(file, at);
    if (!header) {
      if (isTrailer(file, at)) break;
      return Mp3Problem{"stray bytes at byte " + std::to_string(at)};
    }
    if (header->format != audio.format) {
      return Mp3Problem{"frames of two formats (a second one at byte " + std::to_string(at) + ")"};
    }
    if (at + header->length > file.size()) {
      return Mp3Problem{"it ends inside a frame (cut short?)"};
    }
    samples += static_cast<std::uint64_t>(header->samples());
    at += header->length;
  }
  if (samples == 0) return Mp3Problem{"no sound in it"};
  if (samples > UINT32_MAX) return Mp3Problem{"too long"};
  audio.samples = static_cast<std::uint32_t>(samples);
  audio.frames.assign(file.begin() + static_cast<std::ptrdiff_t>(begin),
                      file.begin() + static_cast<std::ptrdiff_t>(at));
  return audio;
}

Mp3Audio joined(const std::vector<const Mp3Audio*>& parts) {
  Mp3Audio whole;
  if (parts.empty()) return whole;
  whole.format = parts.front()->format;
  for (const Mp3Audio* part : parts) {
    whole.samples += part->samples;
    whole.frames.insert(whole.frames.end(), part->frames.begin(), part->frames.end());
  }
  return whole;
}

}  // namespace hifz::content
