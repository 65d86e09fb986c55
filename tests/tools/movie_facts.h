#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "swf/reader.h"

namespace hifz::testing {

/// An event sound (DefineSound) as the movie stores it.
struct EventSound {
  int format = 0;  // 2 for MP3
  double rate = 0;
  bool stereo = false;
  std::uint32_t samples = 0;
  std::vector<std::uint8_t> data;  // for MP3, what follows SeekSamples
};

/// A bitmap (DefineBitsLossless2, 32 bits a pixel) as the movie stores it.
struct StoredBitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> packed;  // zlib
};

/// Its pixels, 0xAARRGGBB with premultiplied alpha, rows from the top; fails
/// the current test (and gives nothing) when they do not unpack.
std::vector<std::uint32_t> pixelsOf(const StoredBitmap& bitmap);

/// What the tests check of a movie, read with the SWF reader and taken apart
/// here byte by byte, apart from the writer.
struct MovieFacts {
  swf::Header header;
  double widthPixels = 0;
  double heightPixels = 0;
  std::optional<std::uint32_t> background;  // SetBackgroundColor, 0xRRGGBB
  int framesShown = 0;                      // ShowFrame tags
  // The streamed sound: samples a second, and all its samples.
  std::optional<double> streamRate;
  std::size_t streamSamples = 0;
  // Event sounds (DefineSound): the longest, in seconds, and each of them.
  double longestEventSound = 0;
  std::vector<EventSound> eventSounds;
  int soundStarts = 0;  // StartSound tags
  bool stopsOnLastFrame = false;
  // Per button, in definition order, what it does on a click: "click:<key>".
  std::vector<std::string> buttonCommands;
  // Per button, in definition order, the bounds of its hit shape on the stage.
  std::vector<swf::Rect> buttonHitAreas;
  std::vector<StoredBitmap> bitmaps;

  double seconds() const { return header.frameCount / header.framesPerSecond(); }
};

/// Fails the current test (and gives nothing) when the file does not read.
std::optional<MovieFacts> factsOf(const std::filesystem::path& file);

/// The keys of buttons sending ("click", key), in definition order.
std::vector<std::string> clickKeys(const MovieFacts& facts);

}  // namespace hifz::testing
