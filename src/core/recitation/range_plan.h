#pragma once

#include <string>
#include <vector>

namespace hifz {

/// The movies of one verse of a range, in the order they are listed.
struct VerseMovies {
  int verse = 0;
  std::vector<std::string> movies;
};

/// One entry of a range reading, in the order it is heard.
struct RangeStep {
  std::string movie;
  /// The verses read together while this entry plays, shown as the range.
  int spanFirst = 0;
  int spanLast = 0;
  /// Heard once whatever the repeat count: a part of a chained span.
  bool once = false;
  /// The last entry of its span: pause mode's pause after the whole span
  /// comes after its last play.
  bool endsSpan = false;
  /// A verse heard alone in a drill: pause mode pauses after each play, as
  /// for a single verse.
  bool pauseEachPlay = false;
};

/// The range read in verse order; the whole range is one span.
std::vector<RangeStep> rangeInOrder(const std::vector<VerseMovies>& verses);

/// The range drilled step by step: the first verse alone; then each next
/// verse alone, followed by the span from the first verse to it, once.
std::vector<RangeStep> drillOrder(const std::vector<VerseMovies>& verses);

/// The order of the range reading going on, beside its list `List1`, and the
/// length of the span being heard.
class RangePlan {
 public:
  void start(std::vector<RangeStep> steps);
  void clear();
  /// The step at `index`; null when the plan does not describe the list
  /// being read (it holds `listCount` entries).
  const RangeStep* step(int index, int listCount) const;
  const std::vector<RangeStep>& steps() const { return steps_; }
  /// Counts the frames of an entry's first play into the span.
  void heardInSpan(double frames) { spanFrames_ += frames; }
  double spanFrames() const { return spanFrames_; }
  void newSpan() { spanFrames_ = 0; }

 private:
  std::vector<RangeStep> steps_;
  double spanFrames_ = 0;
};

}  // namespace hifz
