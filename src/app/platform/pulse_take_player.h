#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "platform/pulse_connection.h"
#include "platform/take_sound.h"

struct pa_stream;

namespace hifz {

/// Plays a take on the sound server's default output through libpulse; its
/// end, once the server has played it out, comes through Qt's event loop.
class PulseTakePlayer final : public TakePlayer {
 public:
  PulseTakePlayer() : connection_(nullptr, nullptr) {}
  ~PulseTakePlayer() override;
  PulseTakePlayer(const PulseTakePlayer&) = delete;
  PulseTakePlayer& operator=(const PulseTakePlayer&) = delete;

  bool play(std::span<const std::int16_t> samples, int rate, std::function<void()> ended) override;
  void stop() override;

 private:
  static void onWritable(pa_stream* stream, std::size_t bytes, void* self);
  static void onDrained(pa_stream* stream, int success, void* self);
  void dropStream();

  QObject receiver_;
  PulseConnection connection_;
  pa_stream* stream_ = nullptr;
  std::vector<std::int16_t> samples_;
  std::size_t written_ = 0;
  bool draining_ = false;
  std::function<void()> ended_;
  // Each play is a new one; the end of one stopped since is dropped.
  std::atomic<std::uint64_t> playing_{0};
};

}  // namespace hifz
