#include "swf/rewrite.h"

#include <algorithm>
#include <optional>
#include <string>

#include "swf/actions.h"
#include "swf/bytes.h"
#include "swf/records.h"
#include "swf/tag_codes.h"

namespace hifz::swf {
namespace {

// Movie-wide settings that lead the first frame. FileAttributes in particular only
// counts as the very first tag, so the first marker goes after these.
bool isPrologue(uint16_t code) {
  switch (code) {
    case tag::kFileAttributes:
    case tag::kMetadata:
    case tag::kSetBackgroundColor:
    case tag::kScriptLimits:
    case tag::kEnableDebugger:
    case tag::kEnableDebugger2:
    case tag::kProtect:
      return true;
    default:
      return false;
  }
}

// Index into `tags` of the first tag of each root frame, where its marker goes.
std::vector<size_t> frameStarts(const std::vector<Tag>& tags) {
  std::vector<size_t> starts;
  size_t first = 0;
  while (first < tags.size() && isPrologue(tags[first].code)) ++first;
  starts.push_back(first);
  for (size_t i = 0; i < tags.size(); ++i) {
    if (tags[i].code == tag::kShowFrame) starts.push_back(i + 1);
  }
  // The start recorded after the last ShowFrame opens no frame; a movie with no
  // ShowFrame at all keeps its single, implicit frame.
  if (starts.size() > 1) starts.pop_back();
  return starts;
}

// Tags whose body starts with the id of the character they define: shapes,
// bitmaps, buttons, fonts, texts, sounds, clips, morphs, video and binary data.
bool definesCharacter(uint16_t code) {
  static constexpr uint16_t kDefining[] = {2,  6,  7,  10, 11, 14, 20, 21, 22, 32, 33, 34,
                                           35, 36, 37, 39, 46, 48, 60, 75, 83, 84, 87, 90};
  return std::find(std::begin(kDefining), std::end(kDefining), code) != std::end(kDefining);
}

// The depth a PlaceObject tag of the root timeline uses, if it is one: after
// the character id in the first kind, after the flags in the others.
std::optional<uint16_t> placedDepth(const Movie& movie, const Tag& tag) {
  size_t at = 0;
  switch (tag.code) {
    case tag::kPlaceObject:
    case tag::kPlaceObject3:
      at = 2;
      break;
    case tag::kPlaceObject2:
      at = 1;
      break;
    default:
      return std::nullopt;
  }
  const std::span<const uint8_t> body = movie.body(tag);
  if (body.size() < at + 2) return std::nullopt;
  return static_cast<uint16_t>(body[at] | body[at + 1] << 8);
}

struct Heartbeat {
  uint16_t id = 0;
  uint16_t depth = 0;
};

// A character id no tag of the movie defines, the highest free one, and a
// depth above the root's. Depths from 16384 up belong to clips made by
// script, which would replace it. None when the movie takes every id.
std::optional<Heartbeat> heartbeatFor(const Movie& movie) {
  std::vector<bool> taken(size_t{UINT16_MAX} + 1, false);
  uint16_t deepest = 0;
  for (const Tag& tag : movie.tags) {
    const std::span<const uint8_t> body = movie.body(tag);
    if (definesCharacter(tag.code) && body.size() >= 2)
      taken[size_t{body[0]} | size_t{body[1]} << 8] = true;
    if (auto depth = placedDepth(movie, tag)) deepest = std::max(deepest, *depth);
  }
  const auto highestFree = std::find(taken.rbegin(), taken.rend(), false);
  if (highestFree == taken.rend()) return std::nullopt;
  Heartbeat heartbeat;
  heartbeat.id = static_cast<uint16_t>(taken.rend() - highestFree - 1);
  heartbeat.depth = static_cast<uint16_t>(std::min(deepest + 1, 16383));
  return heartbeat;
}

void writeHeartbeat(ByteWriter& out, const Heartbeat& heartbeat) {
  ByteWriter sprite;
  sprite.u16(heartbeat.id);
  sprite.u16(2);
  for (int frame = 0; frame < 2; ++frame) {
    ActionList tick;
    tick.fscommand(kTickCommand, "");
    writeTag(sprite, tag::kDoAction, tick.bytes());
    writeTag(sprite, tag::kShowFrame, {});
  }
  writeTag(sprite, tag::kEnd, {});
  writeTag(out, tag::kDefineSprite, sprite.take());

  ByteWriter place;
  place.u8(0x02);  // has a character
  place.u16(heartbeat.depth);
  place.u16(heartbeat.id);
  writeTag(out, tag::kPlaceObject2, place.take());
}

void writeFrameActions(ByteWriter& out, size_t frame, bool stop) {
  ActionList actions;
  actions.fscommand(kFrameCommand, std::to_string(frame));
  if (stop) actions.stop();
  writeTag(out, tag::kDoAction, actions.bytes());
}

}  // namespace

Result<Rewritten> rewriteForSlot(std::span<const uint8_t> input, const RewriteOptions& options) {
  auto movie = readMovie(input);
  if (!movie) return movie.error();

  const std::vector<size_t> starts = frameStarts(movie->tags);
  if (starts.size() > UINT16_MAX) {
    return Error{ErrorCode::kTooLarge, "more than 65535 frames"};
  }
  Rewritten result;
  result.header = movie->header;
  result.actionScript3 = movie->actionScript3;
  result.frameCount = static_cast<uint16_t>(starts.size());
  if (movie->actionScript3) {
    result.bytes.assign(input.begin(), input.end());
    return result;
  }

  const std::optional<Heartbeat> heartbeat = heartbeatFor(*movie);
  if (!heartbeat) return Error{ErrorCode::kTooLarge, "every character id is taken"};

  const std::span<const uint8_t> bytes = movie->bytes;
  ByteWriter out;
  // The decoded header, whose length is patched below, then frame size, rate and count.
  out.bytes(bytes.first(movie->tagsOffset));
  const size_t last = starts.size() - 1;
  size_t frame = 0;
  for (size_t i = 0; i <= movie->tags.size(); ++i) {
    while (frame < starts.size() && starts[frame] == i) {
      const bool stop =
          (frame == last && options.stopOnLastFrame) || (frame == 0 && options.stopOnFirstFrame);
      writeFrameActions(out, frame, stop);
      if (frame == 0) writeHeartbeat(out, *heartbeat);
      ++frame;
    }
    if (i == movie->tags.size()) break;
    const Tag& tag = movie->tags[i];
    out.bytes(bytes.subspan(tag.start, tag.end() - tag.start));
  }
  if (movie->tags.empty() || movie->tags.back().code != tag::kEnd) {
    writeTag(out, tag::kEnd, {});
  }
  out.patchU32(4, static_cast<uint32_t>(out.size()));

  result.bytes = out.take();
  result.rewritten = true;
  return result;
}

}  // namespace hifz::swf
