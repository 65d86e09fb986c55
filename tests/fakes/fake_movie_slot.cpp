#include "fake_movie_slot.h"

namespace hifz::testing {

void FakeMovieSlot::load(const std::string& path) {
  loads.push_back(path);
  calls.push_back("load:" + path);
  frame = 0;
  playing = settings().startsByItself;
}

void FakeMovieSlot::play() {
  ++plays;
  calls.push_back("play");
  playing = true;
}

void FakeMovieSlot::stop() {
  ++stops;
  calls.push_back("stop");
  playing = false;
}

}  // namespace hifz::testing
