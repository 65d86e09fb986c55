#include "platform/pulse_connection.h"

#include <pulse/pulseaudio.h>

#include <chrono>

namespace hifz {
namespace {

constexpr auto kDeadline = std::chrono::seconds(2);

}  // namespace

std::optional<std::string> PulseConnection::open() {
  if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY) return std::nullopt;
  close();
  loop_ = pa_threaded_mainloop_new();
  if (!loop_ || pa_threaded_mainloop_start(loop_) < 0) {
    close();
    return "no sound server";
  }
  pa_threaded_mainloop_lock(loop_);
  context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Hifz");
  pa_context_set_state_callback(
      context_,
      [](pa_context* context, void* self) {
        auto* connection = static_cast<PulseConnection*>(self);
        pa_threaded_mainloop_signal(connection->loop_, 0);
        if (connection->changed_) connection->changed_(context, connection->userdata_);
      },
      this);
  bool ready = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
  const auto end = std::chrono::steady_clock::now() + kDeadline;
  while (ready && pa_context_get_state(context_) != PA_CONTEXT_READY) {
    ready = PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) &&
            std::chrono::steady_clock::now() < end;
    if (ready) pa_threaded_mainloop_wait(loop_);
  }
  pa_threaded_mainloop_unlock(loop_);
  if (ready) return std::nullopt;
  close();
  return "no sound server";
}

void PulseConnection::close() {
  if (loop_) pa_threaded_mainloop_stop(loop_);
  if (context_) {
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
  }
  if (loop_) pa_threaded_mainloop_free(loop_);
  loop_ = nullptr;
}

}  // namespace hifz
