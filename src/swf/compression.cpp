#include "swf/compression.h"

#include <lzma.h>
#include <zlib.h>

#include <algorithm>
#include <stdexcept>

namespace hifz::swf {
namespace {

constexpr size_t kFirstChunk = 64 * 1024;
// Feeding at most this much per call keeps the sizes within the libraries' integer types.
constexpr size_t kMaxFeed = size_t{1} << 30;

// Makes room for more output, doubling up to `limit`. Returns false when full.
bool growOutput(std::vector<uint8_t>& out, size_t used, size_t limit) {
  if (used < out.size()) return true;
  if (out.size() >= limit) return false;
  out.resize(std::min(limit, std::max(kFirstChunk, out.size() * 2)));
  return true;
}

Error compressionError(const char* what) { return Error{ErrorCode::kBadCompression, what}; }

}  // namespace

Result<std::vector<uint8_t>> inflateZlib(std::span<const uint8_t> input, size_t outputSize) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return compressionError("zlib: cannot start the decoder");
  std::vector<uint8_t> out;
  size_t used = 0;
  size_t fed = 0;
  int status = Z_OK;
  while (status == Z_OK && growOutput(out, used, outputSize)) {
    if (stream.avail_in == 0 && fed < input.size()) {
      const size_t chunk = std::min(kMaxFeed, input.size() - fed);
      stream.next_in = const_cast<Bytef*>(input.data() + fed);
      stream.avail_in = static_cast<uInt>(chunk);
      fed += chunk;
    }
    const size_t room = std::min(kMaxFeed, out.size() - used);
    stream.next_out = out.data() + used;
    stream.avail_out = static_cast<uInt>(room);
    status = inflate(&stream, Z_NO_FLUSH);
    used += room - stream.avail_out;
  }
  inflateEnd(&stream);
  // Z_BUF_ERROR: there was room for output, so the input ran out before the stream ended.
  if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
    return compressionError("zlib: corrupt compressed data");
  }
  out.resize(used);
  return out;
}

Result<std::vector<uint8_t>> inflateLzma(std::span<const uint8_t, kLzmaPropertiesSize> properties,
                                         std::span<const uint8_t> input, size_t outputSize) {
  // Rebuild the classic .lzma header: properties, then the 64-bit uncompressed size.
  // No back reference can reach before the start of the output, so the dictionary
  // never needs to be larger than the output; capping it keeps a hostile header
  // from asking for gigabytes.
  uint8_t header[13];
  std::copy(properties.begin(), properties.end(), header);
  uint32_t dictionary = 0;
  for (int i = 4; i >= 1; --i) dictionary = (dictionary << 8) | properties[static_cast<size_t>(i)];
  const uint64_t needed = std::max<uint64_t>(outputSize, 4096);
  dictionary = static_cast<uint32_t>(std::min<uint64_t>(dictionary, needed));
  for (size_t i = 0; i < 4; ++i) header[1 + i] = static_cast<uint8_t>(dictionary >> (8 * i));
  const uint64_t size64 = outputSize;
  for (size_t i = 0; i < 8; ++i) header[5 + i] = static_cast<uint8_t>(size64 >> (8 * i));

  lzma_stream stream = LZMA_STREAM_INIT;
  constexpr uint64_t kMemoryLimit = 256u * 1024 * 1024;
  if (lzma_alone_decoder(&stream, kMemoryLimit) != LZMA_OK) {
    return compressionError("lzma: cannot start the decoder");
  }
  std::vector<uint8_t> out;
  size_t used = 0;
  lzma_ret status = LZMA_OK;
  // The rebuilt header goes in first, then the stream itself.
  stream.next_in = header;
  stream.avail_in = sizeof header;
  bool streamQueued = false;
  while (status == LZMA_OK && growOutput(out, used, outputSize)) {
    if (stream.avail_in == 0 && !streamQueued) {
      stream.next_in = input.data();
      stream.avail_in = input.size();
      streamQueued = true;
    }
    const bool allQueued = streamQueued && stream.avail_in == 0;
    stream.next_out = out.data() + used;
    stream.avail_out = out.size() - used;
    const size_t before = stream.avail_out;
    status = lzma_code(&stream, allQueued ? LZMA_FINISH : LZMA_RUN);
    used += before - stream.avail_out;
  }
  lzma_end(&stream);
  // LZMA_BUF_ERROR: the input ran out before the stream finished.
  if (status != LZMA_OK && status != LZMA_STREAM_END && status != LZMA_BUF_ERROR) {
    return compressionError(status == LZMA_MEMLIMIT_ERROR ? "lzma: needs too much memory"
                                                          : "lzma: corrupt compressed data");
  }
  out.resize(used);
  return out;
}

// The fastest level: content builds paint and pack thousands of pictures,
// mostly transparent, where higher levels take three times as long for
// files a third smaller.
std::vector<uint8_t> deflateZlib(std::span<const uint8_t> input) {
  uLongf size = compressBound(static_cast<uLong>(input.size()));
  std::vector<uint8_t> out(size);
  if (compress2(out.data(), &size, input.data(), static_cast<uLong>(input.size()), Z_BEST_SPEED) !=
      Z_OK) {
    throw std::runtime_error("zlib: compression failed");
  }
  out.resize(size);
  return out;
}

LzmaPacked compressLzma(std::span<const uint8_t> input) {
  lzma_options_lzma options;
  if (lzma_lzma_preset(&options, LZMA_PRESET_DEFAULT)) {
    throw std::runtime_error("lzma: no default preset");
  }
  lzma_stream stream = LZMA_STREAM_INIT;
  if (lzma_alone_encoder(&stream, &options) != LZMA_OK) {
    throw std::runtime_error("lzma: cannot start the encoder");
  }
  std::vector<uint8_t> out(input.size() + input.size() / 2 + 1024);
  stream.next_in = input.data();
  stream.avail_in = input.size();
  stream.next_out = out.data();
  stream.avail_out = out.size();
  lzma_ret status = LZMA_OK;
  while (status == LZMA_OK) {
    if (stream.avail_out == 0) {
      const size_t used = out.size();
      out.resize(out.size() * 2);
      stream.next_out = out.data() + used;
      stream.avail_out = out.size() - used;
    }
    status = lzma_code(&stream, LZMA_FINISH);
  }
  const size_t produced = stream.total_out;
  lzma_end(&stream);
  constexpr size_t kAloneHeader = 13;
  if (status != LZMA_STREAM_END || produced < kAloneHeader) {
    throw std::runtime_error("lzma: compression failed");
  }
  // The classic header is properties plus a size field; movies keep only the properties.
  LzmaPacked packed;
  std::copy_n(out.begin(), kLzmaPropertiesSize, packed.properties.begin());
  packed.stream.assign(out.begin() + kAloneHeader, out.begin() + static_cast<ptrdiff_t>(produced));
  return packed;
}

}  // namespace hifz::swf
