#include "content/recited/mp3_header.h"

#include <algorithm>
#include <array>

#include "content/recited/mp3_tags.h"

namespace hifz::content {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t kHeaderSize = 4;
// A free-format frame at 640 kbit/s and 8000 Hz, the longest there is.
constexpr std::size_t kLongestFreeFrame = 5761;
// Free-format headers looked at before giving up: stray bytes may look like one.
constexpr int kFreeFormatTries = 8;

// Sync, MPEG 1, 2 or 2.5, layer III, a sample rate: what every header has.
bool layer3SyncAt(Bytes file, std::size_t at) {
  if (at + kHeaderSize > file.size()) return false;
  const std::uint8_t b1 = file[at + 1];
  const int version = (b1 >> 3) & 3;  // 0 MPEG 2.5, 2 MPEG 2, 3 MPEG 1
  const int layer = (b1 >> 1) & 3;    // 1 is layer III
  const int rateIndex = (file[at + 2] >> 2) & 3;
  return file[at] == 0xff && (b1 & 0xe0) == 0xe0 && version != 1 && layer == 1 && rateIndex != 3;
}

int bitrateIndexAt(Bytes file, std::size_t at) { return file[at + 2] >> 4; }

bool freeFormatAt(Bytes file, std::size_t at) {
  return layer3SyncAt(file, at) && bitrateIndexAt(file, at) == 0;
}

// The same header again, but for its padding bit.
bool sameFreeHeaderAt(Bytes file, std::size_t at, std::size_t again) {
  return file[again] == file[at] && file[again + 1] == file[at + 1] &&
         (file[again + 2] & 0xfd) == (file[at + 2] & 0xfd);
}

}  // namespace

std::optional<FrameHeader> headerAt(Bytes file, std::size_t at) {
  if (!layer3SyncAt(file, at)) return std::nullopt;
  const std::uint8_t b1 = file[at + 1];
  const std::uint8_t b2 = file[at + 2];
  const int version = (b1 >> 3) & 3;
  const int bitrateIndex = bitrateIndexAt(file, at);
  if (bitrateIndex == 0 || bitrateIndex == 15) return std::nullopt;
  static constexpr std::array<int, 15> kMpeg1Kbps = {0,   32,  40,  48,  56,  64,  80, 96,
                                                     112, 128, 160, 192, 224, 256, 320};
  static constexpr std::array<int, 15> kMpeg2Kbps = {0,  8,  16, 24,  32,  40,  48, 56,
                                                     64, 80, 96, 112, 128, 144, 160};
  static constexpr std::array<int, 3> kMpeg1Rates = {44100, 48000, 32000};
  FrameHeader header;
  header.mpeg1 = version == 3;
  const int kbps = (header.mpeg1 ? kMpeg1Kbps : kMpeg2Kbps)[bitrateIndex];
  const int divider = version == 3 ? 1 : version == 2 ? 2 : 4;
  header.format.sampleRate = kMpeg1Rates[(b2 >> 2) & 3] / divider;
  header.format.channels = (file[at + 3] >> 6) == 3 ? 1 : 2;
  header.crc = (b1 & 1) == 0;
  const int perKbps = header.mpeg1 ? 144000 : 72000;
  header.length =
      static_cast<std::size_t>(perKbps * kbps / header.format.sampleRate + ((b2 >> 1) & 1));
  return header;
}

bool isEncoderInfoFrame(Bytes file, std::size_t at, const FrameHeader& header) {
  // A Xing or Info header begins after the side information.
  const std::size_t side = header.mpeg1 ? (header.format.channels == 1 ? 17 : 32)
                                        : (header.format.channels == 1 ? 9 : 17);
  const std::size_t xing = at + kHeaderSize + (header.crc ? 2 : 0) + side;
  return textAt(file, xing, "Xing") || textAt(file, xing, "Info") ||
         textAt(file, at + kHeaderSize + 32, "VBRI");
}

bool freeFormatWithin(Bytes file, std::size_t from, std::size_t to) {
  int tries = 0;
  for (std::size_t at = from; at < to && tries < kFreeFormatTries; ++at) {
    if (!freeFormatAt(file, at)) continue;
    ++tries;
    const std::size_t last = std::min(file.size() - kHeaderSize, at + kLongestFreeFrame);
    for (std::size_t again = at + kHeaderSize; again <= last; ++again) {
      if (sameFreeHeaderAt(file, at, again)) return true;
    }
  }
  return false;
}

}  // namespace hifz::content
