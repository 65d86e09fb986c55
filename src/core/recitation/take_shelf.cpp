#include "recitation/take_shelf.h"

#include <algorithm>
#include <utility>

namespace hifz {

void TakeShelf::keep(Take take) {
  const auto same = std::find_if(takes_.begin(), takes_.end(),
                                 [&](const Take& kept) { return kept.verse == take.verse; });
  if (same != takes_.end()) {
    samples_ -= same->samples.size();
    takes_.erase(same);
  }
  if (take.samples.size() > capacity_) return;
  while (samples_ + take.samples.size() > capacity_) {
    samples_ -= takes_.front().samples.size();
    takes_.pop_front();
  }
  samples_ += take.samples.size();
  takes_.push_back(std::move(take));
}

const Take* TakeShelf::of(VerseKey verse) const {
  const auto found = std::find_if(takes_.begin(), takes_.end(),
                                  [&](const Take& kept) { return kept.verse == verse; });
  return found == takes_.end() ? nullptr : &*found;
}

void TakeShelf::clear() {
  takes_.clear();
  samples_ = 0;
}

}  // namespace hifz
