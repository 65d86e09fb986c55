#include "platform/pulse_tone.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace hifz {
namespace {

constexpr std::uint32_t kRate = 44100;
constexpr double kLevel = 0.3;
constexpr int kFadeMs = 5;
constexpr auto kConnectDeadline = std::chrono::seconds(2);

const std::vector<std::int16_t>& toneSamples() {
  static const std::vector<std::int16_t> samples = [] {
    const int count = static_cast<int>(kRate) * PulseTone::kLengthMs / 1000;
    const int fade = static_cast<int>(kRate) * kFadeMs / 1000;
    std::vector<std::int16_t> made(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      const double envelope = std::min({1.0, double(i) / fade, double(count - 1 - i) / fade});
      const double wave = std::sin(2 * std::numbers::pi * PulseTone::kPitchHz * i / kRate);
      made[static_cast<std::size_t>(i)] =
          static_cast<std::int16_t>(32767 * kLevel * envelope * wave);
    }
    return made;
  }();
  return samples;
}

void onContextState(pa_context*, void* loop) {
  pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}

// The stream lives on the server's thread from here on: written once ready,
// let go once drained or failed.
void onDrained(pa_stream* stream, int, void*) {
  pa_stream_disconnect(stream);
  pa_stream_unref(stream);
}

void onStreamState(pa_stream* stream, void*) {
  switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY: {
      const auto& samples = toneSamples();
      pa_stream_write(stream, samples.data(), samples.size() * sizeof(std::int16_t), nullptr, 0,
                      PA_SEEK_RELATIVE);
      if (pa_operation* drain = pa_stream_drain(stream, onDrained, nullptr))
        pa_operation_unref(drain);
      break;
    }
    case PA_STREAM_FAILED:
      pa_stream_set_state_callback(stream, nullptr, nullptr);
      pa_stream_unref(stream);
      break;
    default:
      break;
  }
}

}  // namespace

PulseTone::~PulseTone() { disconnect(); }

bool PulseTone::connect() {
  if (!loop_) {
    loop_ = pa_threaded_mainloop_new();
    if (!loop_ || pa_threaded_mainloop_start(loop_) < 0) {
      disconnect();
      return false;
    }
  }
  pa_threaded_mainloop_lock(loop_);
  context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Hifz");
  pa_context_set_state_callback(context_, onContextState, loop_);
  bool ready = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
  const auto end = std::chrono::steady_clock::now() + kConnectDeadline;
  while (ready && pa_context_get_state(context_) != PA_CONTEXT_READY) {
    ready = PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) &&
            std::chrono::steady_clock::now() < end;
    if (ready) pa_threaded_mainloop_wait(loop_);
  }
  pa_threaded_mainloop_unlock(loop_);
  if (!ready) disconnect();
  return ready;
}

void PulseTone::disconnect() {
  if (loop_) pa_threaded_mainloop_stop(loop_);
  if (context_) {
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
  }
  if (loop_) pa_threaded_mainloop_free(loop_);
  loop_ = nullptr;
}

bool PulseTone::play() {
  if (!context_ && !connect()) return false;
  pa_threaded_mainloop_lock(loop_);
  const bool connected = pa_context_get_state(context_) == PA_CONTEXT_READY;
  bool started = false;
  if (connected) {
    const pa_sample_spec spec{PA_SAMPLE_S16LE, kRate, 1};
    if (pa_stream* stream = pa_stream_new(context_, "Beep", &spec, nullptr)) {
      pa_stream_set_state_callback(stream, onStreamState, nullptr);
      started = pa_stream_connect_playback(stream, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr,
                                           nullptr) >= 0;
      if (!started) pa_stream_unref(stream);
    }
  }
  pa_threaded_mainloop_unlock(loop_);
  // A server that went away may come back: connect afresh next time.
  if (!connected) disconnect();
  return started;
}

}  // namespace hifz
