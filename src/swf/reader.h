#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "swf/result.h"

namespace hifz::swf {

// Decoded movies larger than this are refused; it also bounds decompression bombs.
inline constexpr uint32_t kMaxMovieSize = 64u * 1024 * 1024;
// More root tags than this is no real movie, and would cost a lot of memory to list.
inline constexpr size_t kMaxTags = size_t{1} << 20;
// Signature, version and file length: the part that is never compressed.
inline constexpr size_t kFileHeaderSize = 8;

enum class Compression { kNone, kZlib, kLzma };

// In twips (1/20 pixel).
struct Rect {
  int32_t xMin = 0;
  int32_t xMax = 0;
  int32_t yMin = 0;
  int32_t yMax = 0;

  int32_t width() const { return xMax - xMin; }
  int32_t height() const { return yMax - yMin; }
  bool operator==(const Rect&) const = default;
};

struct Header {
  Compression compression = Compression::kNone;
  uint8_t version = 0;
  // As declared: the decoded size of the whole file, these first bytes included.
  uint32_t fileLength = 0;
  Rect frameSize;
  // 8.8 fixed point frames per second, as stored.
  uint16_t frameRate = 0;
  uint16_t frameCount = 0;

  double framesPerSecond() const { return frameRate / 256.0; }
};

struct Tag {
  uint32_t start = 0;   // where the record header begins
  uint32_t offset = 0;  // where the body begins
  uint32_t length = 0;  // of the body
  uint16_t code = 0;

  uint32_t end() const { return offset + length; }
};

struct Movie {
  Header header;
  // Set by a FileAttributes tag at the head of the movie, the only place players honour it.
  bool actionScript3 = false;
  // The decoded file: an uncompressed "FWS" header, with the actual length, then the body.
  std::vector<uint8_t> bytes;
  // The root timeline in file order, ending with the End tag unless the file lacks one.
  // Offsets index `bytes`.
  std::vector<Tag> tags;
  // Where the first tag starts, just after the frame size, rate and count.
  uint32_t tagsOffset = 0;

  std::span<const uint8_t> body(const Tag& tag) const {
    return std::span<const uint8_t>(bytes).subspan(tag.offset, tag.length);
  }
};

// Decodes any of the three movie flavours and walks its root timeline.
Result<Movie> readMovie(std::span<const uint8_t> file);

// Walks the tag records in `data` from `offset` until an End tag or the end of the data;
// also serves for the timeline nested in a DefineSprite body.
Result<std::vector<Tag>> readTags(std::span<const uint8_t> data, size_t offset);

}  // namespace hifz::swf
