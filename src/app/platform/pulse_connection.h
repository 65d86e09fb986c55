#pragma once

#include <optional>
#include <string>

struct pa_context;
struct pa_threaded_mainloop;

namespace hifz {

/// One connection to the sound server, served by a thread of libpulse's own.
/// The state callback, if any, runs on that thread with the loop locked.
class PulseConnection {
 public:
  using StateChanged = void (*)(pa_context* context, void* userdata);

  PulseConnection(StateChanged changed, void* userdata) : changed_(changed), userdata_(userdata) {}
  ~PulseConnection() { close(); }
  PulseConnection(const PulseConnection&) = delete;
  PulseConnection& operator=(const PulseConnection&) = delete;

  /// Connects, unless connected and well; why not when no server answers
  /// within two seconds.
  std::optional<std::string> open();
  void close();

  pa_threaded_mainloop* loop() const { return loop_; }
  pa_context* context() const { return context_; }

 private:
  StateChanged changed_;
  void* userdata_;
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
};

}  // namespace hifz
