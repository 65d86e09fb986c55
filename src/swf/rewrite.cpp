#include "swf/rewrite.h"

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
