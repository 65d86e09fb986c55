#include "content/recited/mp3_frames.h"

#include <algorithm>
#include <optional>

#include "content/recited/mp3_header.h"
#include "content/recited/mp3_tags.h"

namespace hifz::content {
namespace {

using Bytes = std::span<const std::uint8_t>;

// How far into a file its first frame is looked for, past its ID3v2 tags.
constexpr std::size_t kSearchLimit = 64 * 1024;

// A frame there, and the next one (or `end`) where it says.
bool framesChainAt(Bytes file, std::size_t at, std::size_t end) {
  const auto first = headerAt(file, at);
  if (!first || first->length > end - at) return false;
  const std::size_t next = at + first->length;
  if (next == end) return true;
  const auto second = headerAt(file, next);
  return second && second->format == first->format;
}

// Where frames of `format` go on again after stray bytes, as a player finds them.
std::optional<std::size_t> nextFrame(Bytes file, std::size_t from, std::size_t end,
                                     Mp3Format format) {
  for (std::size_t at = from; at < end; ++at) {
    if (file[at] != 0xff || !framesChainAt(file, at, end)) continue;
    if (headerAt(file, at)->format == format) return at;
  }
  return std::nullopt;
}

}  // namespace

std::variant<Mp3Audio, Mp3Problem> readMp3(Bytes file) {
  const std::size_t start = std::min(afterId3v2Tags(file), file.size());
  const std::size_t end = beforeEndTags(file, start);
  const std::size_t searchEnd = std::min(end, start + kSearchLimit);
  std::size_t at = start;
  while (at < searchEnd && !framesChainAt(file, at, end)) ++at;
  if (at >= searchEnd) {
    if (freeFormatWithin(file, start, searchEnd)) {
      return Mp3Problem{"free-format MP3, whose frames give no bitrate; not supported"};
    }
    return Mp3Problem{"no MP3 frame found"};
  }

  const FrameHeader first = *headerAt(file, at);
  if (isEncoderInfoFrame(file, at, first)) at += first.length;
  Mp3Audio audio;
  audio.format = first.format;
  std::uint64_t samples = 0;
  while (at < end) {
    const auto header = headerAt(file, at);
    if (header && header->format == audio.format) {
      if (header->length > end - at) {
        audio.notes.push_back("its last frame, cut short, is left out");
        break;
      }
      const auto frame = file.subspan(at, header->length);
      audio.frames.insert(audio.frames.end(), frame.begin(), frame.end());
      samples += static_cast<std::uint64_t>(header->samples());
      at += header->length;
      continue;
    }
    if (header && framesChainAt(file, at, end)) {
      return Mp3Problem{"frames of two formats (a second one at byte " + std::to_string(at) + ")"};
    }
    const std::optional<std::size_t> next = nextFrame(file, at + 1, end, audio.format);
    if (!next) {
      if (!isTagOrPadding(file.subspan(at, end - at))) {
        audio.notes.push_back(std::to_string(end - at) +
                              " bytes after its last frame are left out");
      }
      break;
    }
    audio.notes.push_back(std::to_string(*next - at) + " stray bytes at byte " +
                          std::to_string(at) + " are left out");
    at = *next;
  }
  if (samples == 0) return Mp3Problem{"no sound in it"};
  if (samples > UINT32_MAX) return Mp3Problem{"too long"};
  audio.samples = static_cast<std::uint32_t>(samples);
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
