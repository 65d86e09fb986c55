#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "platform/microphone.h"

namespace hifz::testing {

/// A microphone the test speaks into: hear() gives it samples while it
/// listens, fail() makes it stop by itself. With `refusal` set, start() fails
/// with that reason.
class FakeMicrophone final : public Microphone {
 public:
  std::optional<std::string> start(Heard heard, Failed failed) override {
    ++starts;
    if (refusal) return refusal;
    heard_ = std::move(heard);
    failed_ = std::move(failed);
    listening = true;
    return std::nullopt;
  }
  // The callbacks stay: stop() may come from inside one of them.
  void stop() override {
    if (listening) ++stops;
    listening = false;
  }
  void hear(std::span<const std::int16_t> samples) {
    if (listening) heard_(samples);
  }
  void fail(const std::string& why) {
    if (!listening) return;
    listening = false;
    failed_(why);
  }

  std::optional<std::string> refusal;
  bool listening = false;
  int starts = 0;
  int stops = 0;

 private:
  Heard heard_;
  Failed failed_;
};

}  // namespace hifz::testing
