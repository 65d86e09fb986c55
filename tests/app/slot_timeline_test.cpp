#include "movie/slot_timeline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hifz {
namespace {

struct Step {
  enum Kind { Frame, Stopped, Halt, Resume, Unload } kind;
  int frame = 0;
};

struct Case {
  std::string name;
  SlotTimeline::Movie movie;
  bool loadedHalted = false;
  std::vector<Step> steps;
  bool playing;
  int frame;
};

constexpr SlotTimeline::Movie kLooping{12, true, false, false};
constexpr SlotTimeline::Movie kHeld{12, true, true, false};
constexpr SlotTimeline::Movie kOnce{12, true, false, true};
constexpr SlotTimeline::Movie kUnreported{12, false, false, false};

TEST(SlotTimelineTest, PlayingAndFrameFollowTheReports) {
  const Case cases[] = {
      {"a new movie is about to play", kLooping, false, {}, true, 0},
      {"a held movie is not", kHeld, false, {}, false, 0},
      {"nor one loaded halted", kLooping, true, {}, false, 0},
      {"reports move the frame", kLooping, false, {{Step::Frame, 4}}, true, 4},
      {"a looping movie passes its last frame", kLooping, false, {{Step::Frame, 11}}, true, 11},
      {"play once ends on the last frame",
       kOnce,
       false,
       {{Step::Frame, 10}, {Step::Frame, 11}},
       false,
       11},
      {"the movie may jump on from there",
       kOnce,
       false,
       {{Step::Frame, 11}, {Step::Frame, 0}},
       true,
       0},
      {"a held movie rests on frame 0", kHeld, false, {{Step::Frame, 0}}, false, 0},
      {"unless its script moves on", kHeld, false, {{Step::Frame, 0}, {Step::Frame, 1}}, true, 1},
      {"the page saw the timeline stop",
       kLooping,
       false,
       {{Step::Frame, 5}, {Step::Stopped, 5}},
       false,
       5},
      {"and it moved again", kLooping, false, {{Step::Stopped, 5}, {Step::Frame, 6}}, true, 6},
      {"halted", kLooping, false, {{Step::Frame, 3}, {Step::Halt}}, false, 3},
      {"halted and resumed",
       kLooping,
       false,
       {{Step::Frame, 3}, {Step::Halt}, {Step::Resume}},
       true,
       3},
      {"a movie without reports plays", kUnreported, false, {}, true, 0},
      {"until halted", kUnreported, false, {{Step::Halt}}, false, 0},
      {"unloaded", kLooping, false, {{Step::Frame, 3}, {Step::Unload}}, false, 0},
      {"a one-frame movie played once ends at once",
       {1, true, false, true},
       false,
       {{Step::Frame, 0}},
       false,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SlotTimeline timeline;
    timeline.loaded(c.movie, c.loadedHalted);
    for (const Step& step : c.steps) {
      switch (step.kind) {
        case Step::Frame:
          timeline.frameReached(step.frame);
          break;
        case Step::Stopped:
          timeline.stopped(step.frame);
          break;
        case Step::Halt:
          timeline.halt();
          break;
        case Step::Resume:
          timeline.resume();
          break;
        case Step::Unload:
          timeline.unloaded();
          break;
      }
    }
    EXPECT_EQ(timeline.isPlaying(), c.playing);
    EXPECT_EQ(timeline.frameNum(), c.frame);
  }
}

TEST(SlotTimelineTest, ANewLoadForgetsTheLastMovie) {
  SlotTimeline timeline;
  EXPECT_FALSE(timeline.isPlaying());
  EXPECT_FALSE(timeline.hasMovie());
  timeline.loaded(kOnce, false);
  timeline.frameReached(11);
  timeline.halt();
  timeline.loaded(kOnce, false);
  EXPECT_TRUE(timeline.isPlaying());
  EXPECT_FALSE(timeline.halted());
  EXPECT_EQ(timeline.frameNum(), 0);
}

}  // namespace
}  // namespace hifz
