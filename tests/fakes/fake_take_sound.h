#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/take_sound.h"
#include "recitation/take_shelf.h"

namespace hifz::testing {

/// Plays nothing: keeps what it was given; end() is the take heard to its end.
class FakeTakePlayer final : public TakePlayer {
 public:
  bool play(std::span<const std::int16_t> samples, int rate, std::function<void()> ended) override {
    if (broken) return false;
    played.emplace_back(samples.size(), rate);
    ended_ = std::move(ended);
    return true;
  }
  void stop() override {
    if (ended_) ++stops;
    ended_ = nullptr;
  }
  void end() {
    auto ended = std::exchange(ended_, nullptr);
    if (ended) ended();
  }
  bool playing() const { return static_cast<bool>(ended_); }

  bool broken = false;
  /// Each take played: its sample count and rate.
  std::vector<std::pair<std::size_t, int>> played;
  int stops = 0;

 private:
  std::function<void()> ended_;
};

/// Keeps takes in memory, or refuses with `refusal`.
class FakeTakeFiles final : public TakeFiles {
 public:
  KeptTake keep(const Take& take) override {
    if (!refusal.empty()) return {false, refusal};
    kept.push_back(take);
    return {true, "/takes/" + std::to_string(take.verse.chapter) + "-" +
                      std::to_string(take.verse.verse) + ".flac"};
  }

  std::string refusal;
  std::vector<Take> kept;
};

}  // namespace hifz::testing
