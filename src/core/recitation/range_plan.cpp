#include "recitation/range_plan.h"

#include <utility>

namespace hifz {
namespace {

// How a span's entries are heard: in verse order (a range read as it is), a
// verse alone (drilled, each play its own pause), or joined once.
enum class Span { InOrder, Alone, Joined };

// The movies of verses [first, last) as one span.
void addSpan(std::vector<RangeStep>& steps, const std::vector<VerseMovies>& verses,
             std::size_t first, std::size_t last, Span span) {
  const std::size_t before = steps.size();
  for (std::size_t verse = first; verse < last; ++verse) {
    for (const std::string& movie : verses[verse].movies) {
      steps.push_back({.movie = movie,
                       .spanFirst = verses[first].verse,
                       .spanLast = verses[last - 1].verse,
                       .once = span == Span::Joined,
                       .pauseEachPlay = span == Span::Alone});
    }
  }
  if (steps.size() > before) steps.back().endsSpan = true;
}

}  // namespace

std::vector<RangeStep> rangeInOrder(const std::vector<VerseMovies>& verses) {
  std::vector<RangeStep> steps;
  if (verses.empty()) return steps;
  addSpan(steps, verses, 0, verses.size(), Span::InOrder);
  return steps;
}

std::vector<RangeStep> drillOrder(const std::vector<VerseMovies>& verses) {
  std::vector<RangeStep> steps;
  for (std::size_t verse = 0; verse < verses.size(); ++verse) {
    addSpan(steps, verses, verse, verse + 1, Span::Alone);
    if (verse > 0) addSpan(steps, verses, 0, verse + 1, Span::Joined);
  }
  return steps;
}

void RangePlan::start(std::vector<RangeStep> steps) {
  steps_ = std::move(steps);
  spanFrames_ = 0;
}

void RangePlan::clear() { start({}); }

const RangeStep* RangePlan::step(int index, int listCount) const {
  if (static_cast<int>(steps_.size()) != listCount || index < 0 || index >= listCount)
    return nullptr;
  return &steps_[static_cast<std::size_t>(index)];
}

}  // namespace hifz
