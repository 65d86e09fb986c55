#pragma once

#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

#include "swf/actions.h"

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
/// `frames` frames, each filling the stage with its frameColor(); `actions`
/// run in the frames they are keyed by (the first frame is 0).
std::vector<std::uint8_t> timelineMovie(int frames,
                                        const std::map<int, swf::ActionList>& actions = {});
/// One frame filled by a button that sends fscommand(command, args) when clicked.
std::vector<std::uint8_t> buttonMovie(std::string_view command, std::string_view args);

}  // namespace hifz::testing
