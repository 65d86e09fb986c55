#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace hifz {

struct Take;

/// Plays a learner's take on the sound server's default output.
class TakePlayer {
 public:
  virtual ~TakePlayer() = default;
  /// Starts `samples`, 16-bit mono at `rate`, and returns; `ended` comes on
  /// the program's thread once they have been heard, unless stopped first.
  /// False when nothing can play: `ended` never comes then.
  virtual bool play(std::span<const std::int16_t> samples, int rate,
                    std::function<void()> ended) = 0;
  /// Silences a take playing; nothing when none is.
  virtual void stop() = 0;
};

class NullTakePlayer final : public TakePlayer {
 public:
  bool play(std::span<const std::int16_t>, int, std::function<void()>) override { return false; }
  void stop() override {}
};

inline TakePlayer& noTakePlayer() {
  static NullTakePlayer none;
  return none;
}

/// What became of a take the learner asked to keep: the file's path, or why
/// it could not be written.
struct KeptTake {
  bool kept = false;
  std::string pathOrWhy;
};

/// Keeps takes as files in the learner's data folder, each named by its
/// chapter, verse and time. A file appears whole or not at all.
class TakeFiles {
 public:
  virtual ~TakeFiles() = default;
  virtual KeptTake keep(const Take& take) = 0;
};

class NullTakeFiles final : public TakeFiles {
 public:
  KeptTake keep(const Take&) override { return {false, "no folder for takes"}; }
};

inline TakeFiles& noTakeFiles() {
  static NullTakeFiles none;
  return none;
}

}  // namespace hifz
