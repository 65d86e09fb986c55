#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "content/recited/mp3_frames.h"

namespace hifz::content {

/// An MPEG audio layer III frame header, as far as reading frames needs it.
struct FrameHeader {
  bool mpeg1 = false;
  Mp3Format format;
  std::size_t length = 0;  // the whole frame's bytes
  bool crc = false;

  int samples() const { return mpeg1 ? 1152 : 576; }
};

/// The layer III frame header at `at`, if one is there and gives its bitrate.
std::optional<FrameHeader> headerAt(std::span<const std::uint8_t> file, std::size_t at);

/// Whether the frame at `at` is the Xing, Info or VBRI frame an encoder puts
/// first, which holds no sound.
bool isEncoderInfoFrame(std::span<const std::uint8_t> file, std::size_t at,
                        const FrameHeader& header);

/// Whether free-format layer III frames (no bitrate in their headers) start
/// between `from` and `to`: such a header, and the same one again a frame on.
bool freeFormatWithin(std::span<const std::uint8_t> file, std::size_t from, std::size_t to);

}  // namespace hifz::content
