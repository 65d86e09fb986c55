#pragma once

#include <string>
#include <vector>

#include "flash/movie_slot.h"

namespace hifz::testing {

/// A movie slot whose playing state and frame the test sets; it remembers
/// every movie it was given and every Play and Stop.
class FakeMovieSlot final : public MovieSlot {
 public:
  using MovieSlot::MovieSlot;
  void play() override;
  void stop() override;
  bool isPlaying() const override { return playing; }
  int frameNum() const override { return frame; }

  /// Every path given, in order, the blank movie included.
  std::vector<std::string> loads;
  /// Every call, in order: "load:<path>", "play", "stop".
  std::vector<std::string> calls;
  int plays = 0;
  int stops = 0;
  bool playing = false;
  int frame = 0;

 protected:
  void load(const std::string& path) override;
};

}  // namespace hifz::testing
