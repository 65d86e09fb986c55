#include "platform/pulse_microphone.h"

#include <pulse/pulseaudio.h>

#include <chrono>
#include <cstring>
#include <utility>
#include <vector>

namespace hifz {
namespace {

constexpr auto kDeadline = std::chrono::seconds(2);
// The server hands the sound over every 100 ms: few wake-ups, and soon enough
// to end a turn within a tenth of a second of the learner's quiet.
constexpr std::uint32_t kFragmentBytes = kMicrophoneRate / 10 * sizeof(std::int16_t);

}  // namespace

PulseMicrophone::~PulseMicrophone() {
  stop();
  connection_.close();
}

std::optional<std::string> PulseMicrophone::start(Heard heard, Failed failed) {
  stop();
  if (std::optional<std::string> why = connection_.open()) return why;
  pa_threaded_mainloop* loop = connection_.loop();
  heard_ = std::move(heard);
  failed_ = std::move(failed);
  ++listening_;
  pa_threaded_mainloop_lock(loop);
  const pa_sample_spec spec{PA_SAMPLE_S16LE, kMicrophoneRate, 1};
  stream_ = pa_stream_new(connection_.context(), "Learner's turn", &spec, nullptr);
  std::optional<std::string> why;
  if (!stream_) {
    why = "no stream";
  } else {
    pa_stream_set_state_callback(stream_, onStreamState, this);
    pa_stream_set_read_callback(stream_, onStreamRead, this);
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = kFragmentBytes;
    if (pa_stream_connect_record(stream_, nullptr, &attr, PA_STREAM_ADJUST_LATENCY) < 0) {
      why = "the default source cannot be recorded";
    } else {
      const auto end = std::chrono::steady_clock::now() + kDeadline;
      while (!why && pa_stream_get_state(stream_) != PA_STREAM_READY) {
        if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)) ||
            std::chrono::steady_clock::now() >= end)
          why = "no default source";
        else
          pa_threaded_mainloop_wait(loop);
      }
    }
  }
  if (why) {
    ++listening_;
    if (stream_) dropStream();
  }
  pa_threaded_mainloop_unlock(loop);
  if (why) return why;
  active_ = true;
  return std::nullopt;
}

void PulseMicrophone::stop() {
  if (!active_) return;
  active_ = false;
  ++listening_;
  pa_threaded_mainloop_lock(connection_.loop());
  dropStream();
  pa_threaded_mainloop_unlock(connection_.loop());
}

void PulseMicrophone::dropStream() {
  pa_stream_set_read_callback(stream_, nullptr, nullptr);
  pa_stream_set_state_callback(stream_, nullptr, nullptr);
  pa_stream_disconnect(stream_);
  pa_stream_unref(stream_);
  stream_ = nullptr;
}

void PulseMicrophone::tell(std::function<void()> told) {
  QMetaObject::invokeMethod(
      &receiver_,
      [this, listening = listening_.load(), told = std::move(told)] {
        if (active_ && listening == listening_.load()) told();
      },
      Qt::QueuedConnection);
}

void PulseMicrophone::onStreamRead(pa_stream* stream, std::size_t, void* self) {
  auto* microphone = static_cast<PulseMicrophone*>(self);
  std::vector<std::int16_t> samples;
  const void* data = nullptr;
  std::size_t bytes = 0;
  while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0 &&
         bytes > 0) {
    const std::size_t at = samples.size();
    samples.resize(at + bytes / sizeof(std::int16_t));
    // A hole in the stream is heard as silence, so the time stays whole.
    if (data)
      std::memcpy(samples.data() + at, data, bytes / sizeof(std::int16_t) * sizeof(std::int16_t));
    pa_stream_drop(stream);
  }
  if (samples.empty()) return;
  microphone->tell([microphone, samples = std::move(samples)] { microphone->heard_(samples); });
}

void PulseMicrophone::onStreamState(pa_stream* stream, void* self) {
  auto* microphone = static_cast<PulseMicrophone*>(self);
  pa_threaded_mainloop_signal(microphone->connection_.loop(), 0);
  const pa_stream_state_t state = pa_stream_get_state(stream);
  if (state != PA_STREAM_FAILED && state != PA_STREAM_TERMINATED) return;
  microphone->tell([microphone] {
    microphone->stop();
    microphone->failed_("the source stopped");
  });
}

void PulseMicrophone::onContextState(pa_context* context, void* self) {
  auto* microphone = static_cast<PulseMicrophone*>(self);
  if (PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) return;
  microphone->tell([microphone] {
    microphone->stop();
    microphone->failed_("the sound server went away");
  });
}

}  // namespace hifz
