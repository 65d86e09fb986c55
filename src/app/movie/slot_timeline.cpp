#include "movie/slot_timeline.h"

namespace hifz {

void SlotTimeline::loaded(const Movie& movie, bool halted) {
  *this = SlotTimeline();
  movie_ = movie;
  hasMovie_ = true;
  halted_ = halted;
}

void SlotTimeline::unloaded() { *this = SlotTimeline(); }

void SlotTimeline::frameReached(int frame) {
  reported_ = true;
  moving_ = true;
  frame_ = frame;
}

void SlotTimeline::stopped(int frame) {
  reported_ = true;
  moving_ = false;
  frame_ = frame;
}

bool SlotTimeline::advances() const {
  if (!hasMovie_) return false;
  if (!movie_.reportsFrames) return true;
  if (!reported_) return !movie_.stopsOnFirstFrame;
  const bool restsOnStop = (movie_.stopsOnFirstFrame && frame_ == 0) ||
                           (movie_.stopsOnLastFrame && frame_ == movie_.frameCount - 1);
  return moving_ && !restsOnStop;
}

}  // namespace hifz
