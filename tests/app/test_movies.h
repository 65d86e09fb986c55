#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "swf/actions.h"
#include "swf/sound.h"

namespace hifz::testing {

/// Movies for the player tests and benchmarks, made with the SWF writer:
/// 320 x 240 pixels at 12 frames a second.
inline constexpr double kMovieFrameRate = 12;
inline constexpr int kMovieWidth = 320;
inline constexpr int kMovieHeight = 240;

/// The colour frame `frame` of timelineMovie() fills the stage with, 0xRRGGBB.
std::uint32_t frameColor(int frame);

/// One empty frame.
std::vector<std::uint8_t> blankMovie();
/// A 440 Hz tone at half of full scale, `seconds` long.
swf::Pcm tone(double seconds);
/// `frames` frames, each filling the stage with its frameColor(); `actions`
/// run in the frames they are keyed by (the first frame is 0); `stream`
/// plays along with the timeline from the first frame.
std::vector<std::uint8_t> timelineMovie(int frames,
                                        const std::map<int, swf::ActionList>& actions = {},
                                        const std::optional<swf::Pcm>& stream = {});
/// `stillFrames` frames all filled with frameColor(0), then `movingFrames`
/// frames filled as timelineMovie()'s are, each unlike the one before.
std::vector<std::uint8_t> stillThenMovingMovie(int stillFrames, int movingFrames);
/// One frame filled by a button that sends fscommand(command, args) when clicked.
std::vector<std::uint8_t> buttonMovie(std::string_view command, std::string_view args);
/// timelineMovie(frames) whose first frame first runs
/// flash.external.ExternalInterface.call(function), `function` being the
/// page script's text that the call names.
std::vector<std::uint8_t> externalCallMovie(int frames, std::string_view function);

}  // namespace hifz::testing
