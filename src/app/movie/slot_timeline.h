#pragma once

namespace hifz {

/// What a slot knows of its movie's root timeline, so that IsPlaying and
/// FrameNum answer at once.
///
/// Ruffle says nothing about a movie's root timeline (its isPlaying describes
/// the player, which goes on running after the movie stopped). So the slot
/// hands Ruffle a rewritten movie whose every root frame first reports its
/// own number, and follows those reports:
/// - the frame number is the frame last reported;
/// - the timeline has stopped when it rests on a frame where the rewrite put
///   a stop(): the last frame when the slot plays movies once, the first when
///   it does not start them;
/// - it has stopped when the page finds that reports ceased while the player
///   runs (a stop() of the movie's own): the page counts the ticks of a clip
///   the rewrite adds, which go on while the root timeline stands;
/// - and while the slot halted the player (Stop).
/// A later report means the timeline moves again (the movie's own script may
/// jump on from a stop). Movies whose frames cannot be rewritten
/// (ActionScript 3) send no reports: they count as playing until halted, on
/// frame 0.
class SlotTimeline {
 public:
  struct Movie {
    int frameCount = 1;
    bool reportsFrames = true;
    bool stopsOnFirstFrame = false;
    bool stopsOnLastFrame = false;
  };

  /// A movie was handed to the player; it has not reported yet.
  void loaded(const Movie& movie, bool halted);
  /// Nothing is loaded (missing, unreadable or refused movie).
  void unloaded();
  void frameReached(int frame);
  /// The page found that the timeline no longer advances.
  void stopped(int frame);
  void halt() { halted_ = true; }
  void resume() { halted_ = false; }

  bool hasMovie() const { return hasMovie_; }
  bool reportsFrames() const { return movie_.reportsFrames; }
  bool halted() const { return halted_; }
  /// True while the root timeline advances or is about to (a movie that has
  /// not yet shown its first frame).
  bool advances() const;
  bool isPlaying() const { return hasMovie_ && !halted_ && advances(); }
  int frameNum() const { return frame_; }

 private:
  Movie movie_;
  bool hasMovie_ = false;
  bool halted_ = false;
  bool reported_ = false;
  bool moving_ = false;
  int frame_ = 0;
};

}  // namespace hifz
