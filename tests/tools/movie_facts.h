#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "swf/reader.h"

namespace hifz::testing {

/// What the tests check of a movie, read with the SWF reader and taken apart
/// here byte by byte, apart from the writer.
struct MovieFacts {
  swf::Header header;
  double widthPixels = 0;
  double heightPixels = 0;
  int framesShown = 0;  // ShowFrame tags
  // The streamed sound: samples a second, and all its samples.
  std::optional<double> streamRate;
  std::size_t streamSamples = 0;
  // Event sounds (DefineSound): the longest, in seconds.
  double longestEventSound = 0;
  bool stopsOnLastFrame = false;
  // Per button, in definition order, what it does on a click: "click:<key>".
  std::vector<std::string> buttonCommands;

  double seconds() const { return header.frameCount / header.framesPerSecond(); }
};

/// Fails the current test (and gives nothing) when the file does not read.
std::optional<MovieFacts> factsOf(const std::filesystem::path& file);

/// The keys of buttons sending ("click", key), in definition order.
std::vector<std::string> clickKeys(const MovieFacts& facts);

}  // namespace hifz::testing
