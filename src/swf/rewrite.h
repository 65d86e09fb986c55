#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "swf/reader.h"
#include "swf/result.h"

namespace hifz::swf {

// The fscommand a rewritten movie sends as each root frame starts, with the
// 0-based frame number as its argument, so the host can follow playback.
inline constexpr std::string_view kFrameCommand = "__frame";
// The fscommand, without arguments, that an added clip sends on each of its own
// frames, whatever the root timeline does. While the root timeline stands still
// these go on; when the player itself does not get to run, both cease. So the
// host tells a movie that stopped from a player that stalled.
inline constexpr std::string_view kTickCommand = "__tick";

struct RewriteOptions {
  // Play once: stop() on the last frame instead of looping.
  bool stopOnLastFrame = false;
  // Do not start: stop() on the first frame; the host starts playback itself.
  bool stopOnFirstFrame = false;
};

struct Rewritten {
  // An uncompressed movie, or the input unchanged when `rewritten` is false.
  std::vector<uint8_t> bytes;
  // False for ActionScript 3 movies: their player ignores our frame actions, so they
  // are passed through and the caller decides what to do with them.
  bool rewritten = false;
  bool actionScript3 = false;
  // As declared by the input. Note that its frame count is not what players go by.
  Header header;
  // Root frames as the player counts them: one per ShowFrame tag, and a movie with
  // none still shows one. Frame markers run from 0 to frameCount - 1.
  uint16_t frameCount = 0;

  double framesPerSecond() const { return header.framesPerSecond(); }
};

// Adds a frame marker at the start of every root frame, ahead of the frame's own
// actions so it runs first, the ticking clip (an empty two-frame clip placed in
// the first frame under a character id and above every depth the movie uses),
// plus the stops asked for in `options`. Fails on what
// readMovie refuses, on movies of more than 65535 frames and on movies that
// define every character id, which leave the clip none: such a movie is no
// recitation, and the slot shows nothing as for any movie it cannot read.
Result<Rewritten> rewriteForSlot(std::span<const uint8_t> movie,
                                 const RewriteOptions& options = {});

}  // namespace hifz::swf
