#include "swf/reader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

#include "swf/bytes.h"
#include "swf/compression.h"
#include "swf/tag_codes.h"

namespace hifz::swf {
namespace {

constexpr uint8_t kActionScript3Flag = 0x08;

Error fail(ErrorCode code, std::string message) { return Error{code, std::move(message)}; }

Result<Compression> readSignature(std::span<const uint8_t> file) {
  static constexpr std::pair<char, Compression> kKinds[] = {
      {'F', Compression::kNone}, {'C', Compression::kZlib}, {'Z', Compression::kLzma}};
  if (file.empty()) return fail(ErrorCode::kTruncated, "the file is empty");
  const size_t seen = std::min<size_t>(file.size(), 3);
  for (const auto& [first, compression] : kKinds) {
    const char signature[3] = {first, 'W', 'S'};
    if (std::memcmp(file.data(), signature, seen) != 0) continue;
    if (seen < 3) return fail(ErrorCode::kTruncated, "the file stops inside its signature");
    return compression;
  }
  return fail(ErrorCode::kBadSignature, "not a movie: the signature is not FWS, CWS or ZWS");
}

// The body after the 8-byte file header, decompressed and at most `size` bytes long.
Result<std::vector<uint8_t>> readBody(Compression compression, std::span<const uint8_t> file,
                                      size_t size) {
  const auto rest = file.subspan(kFileHeaderSize);
  switch (compression) {
    case Compression::kNone: {
      const auto body = rest.first(std::min(size, rest.size()));
      return std::vector<uint8_t>(body.begin(), body.end());
    }
    case Compression::kZlib:
      return inflateZlib(rest, size);
    case Compression::kLzma: {
      // The stored compressed length is not trusted: some tools get it wrong.
      constexpr size_t kLengthField = 4;
      if (rest.size() < kLengthField + kLzmaPropertiesSize) {
        return fail(ErrorCode::kTruncated, "the file stops inside its LZMA header");
      }
      const auto properties = rest.subspan(kLengthField).first<kLzmaPropertiesSize>();
      return inflateLzma(properties, rest.subspan(kLengthField + kLzmaPropertiesSize), size);
    }
  }
  return fail(ErrorCode::kMalformed, "unknown compression");
}

}  // namespace

Result<std::vector<Tag>> readTags(std::span<const uint8_t> data, size_t offset) {
  if (data.size() > std::numeric_limits<uint32_t>::max()) {
    return fail(ErrorCode::kTooLarge, "tag data beyond 4 GiB");
  }
  if (offset > data.size()) return fail(ErrorCode::kMalformed, "tags start beyond the data");
  ByteReader in(data, offset);
  std::vector<Tag> tags;
  while (in.remaining() > 0) {
    if (tags.size() == kMaxTags) return fail(ErrorCode::kTooLarge, "too many tags");
    Tag tag;
    tag.start = static_cast<uint32_t>(in.position());
    const uint16_t codeAndLength = in.u16();
    tag.code = codeAndLength >> 6;
    tag.length = codeAndLength & 0x3f;
    if (tag.length == 0x3f) tag.length = in.u32();
    if (in.failed()) {
      return fail(ErrorCode::kTruncated,
                  "the data stops inside a tag header at offset " + std::to_string(tag.start));
    }
    tag.offset = static_cast<uint32_t>(in.position());
    if (tag.length > in.remaining()) {
      return fail(ErrorCode::kTruncated, "tag " + std::to_string(tag.code) + " at offset " +
                                             std::to_string(tag.start) + " needs " +
                                             std::to_string(tag.length) + " bytes, " +
                                             std::to_string(in.remaining()) + " remain");
    }
    in.skip(tag.length);
    tags.push_back(tag);
    if (tag.code == tag::kEnd) break;
  }
  return tags;
}

Result<Movie> readMovie(std::span<const uint8_t> file) {
  auto compression = readSignature(file);
  if (!compression) return compression.error();
  if (file.size() < kFileHeaderSize) {
    return fail(ErrorCode::kTruncated, "the file stops inside its header");
  }
  Movie movie;
  ByteReader header(file, 3);
  movie.header.compression = *compression;
  movie.header.version = header.u8();
  movie.header.fileLength = header.u32();
  if (movie.header.version == 0) return fail(ErrorCode::kMalformed, "version 0");
  if (movie.header.fileLength > kMaxMovieSize) {
    return fail(ErrorCode::kTooLarge, "declared size " + std::to_string(movie.header.fileLength) +
                                          " is beyond the limit");
  }
  if (movie.header.fileLength < kFileHeaderSize) {
    return fail(ErrorCode::kMalformed, "declared size is smaller than the header");
  }

  auto body = readBody(*compression, file, movie.header.fileLength - kFileHeaderSize);
  if (!body) return body.error();
  movie.bytes.reserve(kFileHeaderSize + body->size());
  movie.bytes.insert(movie.bytes.end(), {'F', 'W', 'S'});
  movie.bytes.insert(movie.bytes.end(), file.begin() + 3, file.begin() + kFileHeaderSize);
  movie.bytes.insert(movie.bytes.end(), body->begin(), body->end());
  // Keep the copy self-consistent even when the declared length was wrong.
  const auto actualLength = static_cast<uint32_t>(movie.bytes.size());
  for (size_t i = 0; i < 4; ++i) movie.bytes[4 + i] = static_cast<uint8_t>(actualLength >> (8 * i));

  ByteReader in(movie.bytes, kFileHeaderSize);
  {
    BitReader bits(in);
    const unsigned n = bits.unsignedBits(5);
    movie.header.frameSize.xMin = bits.signedBits(n);
    movie.header.frameSize.xMax = bits.signedBits(n);
    movie.header.frameSize.yMin = bits.signedBits(n);
    movie.header.frameSize.yMax = bits.signedBits(n);
  }
  movie.header.frameRate = in.u16();
  movie.header.frameCount = in.u16();
  if (in.failed()) return fail(ErrorCode::kTruncated, "the movie stops inside its header");
  movie.tagsOffset = static_cast<uint32_t>(in.position());

  auto tags = readTags(movie.bytes, movie.tagsOffset);
  if (!tags) return tags.error();
  movie.tags = std::move(*tags);
  const bool ended = !movie.tags.empty() && movie.tags.back().code == tag::kEnd;
  // A wrong declared length is common and harmless when the tags are complete.
  if (!ended && movie.bytes.size() < movie.header.fileLength) {
    return fail(ErrorCode::kTruncated, "the movie stops after " +
                                           std::to_string(movie.bytes.size()) + " of " +
                                           std::to_string(movie.header.fileLength) + " bytes");
  }

  if (!movie.tags.empty() && movie.tags.front().code == tag::kFileAttributes &&
      movie.tags.front().length > 0) {
    movie.actionScript3 = (movie.bytes[movie.tags.front().offset] & kActionScript3Flag) != 0;
  }
  return movie;
}

}  // namespace hifz::swf
