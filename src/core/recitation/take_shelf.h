#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace hifz {

/// A verse by its chapter's number in the Quran and its own.
struct VerseKey {
  int chapter = 0;
  int verse = 0;
  friend bool operator==(const VerseKey&, const VerseKey&) = default;
};

/// The learner's recitation of a verse in one turn, as 16-bit mono samples.
struct Take {
  VerseKey verse;
  /// The reciter's movie of the verse, to be heard after the take.
  std::string moviePath;
  std::vector<std::int16_t> samples;
  int sampleRate = 0;
  /// When the turn began, in milliseconds since 1970 (UTC).
  std::int64_t takenAt = 0;
};

/// The takes of the reading going on, in memory only: the last one of each
/// verse, at most `capacity` samples in all; the oldest go first to make
/// room, and a take larger than all the room is not kept.
class TakeShelf {
 public:
  explicit TakeShelf(std::size_t capacity) : capacity_(capacity) {}

  /// Keeps `take` as the last of its verse, in place of an earlier one.
  void keep(Take take);
  /// The take kept last, or null.
  const Take* last() const { return takes_.empty() ? nullptr : &takes_.back(); }
  /// The verse's take, or null.
  const Take* of(VerseKey verse) const;
  /// A new reading begins: none is kept.
  void clear();
  std::size_t samples() const { return samples_; }
  std::size_t size() const { return takes_.size(); }

 private:
  std::size_t capacity_;
  std::size_t samples_ = 0;
  std::deque<Take> takes_;  // oldest first
};

}  // namespace hifz
