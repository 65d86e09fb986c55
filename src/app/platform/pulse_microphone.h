#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/microphone.h"
#include "platform/pulse_connection.h"

struct pa_stream;

namespace hifz {

/// The sound server's default source, recorded through libpulse on the
/// server's own thread; what it hears is handed to the program's thread
/// through Qt's event loop. A source that fails, or a server that goes away,
/// is told once through `failed`; the next start() connects afresh.
class PulseMicrophone final : public Microphone {
 public:
  PulseMicrophone() : connection_(onContextState, this) {}
  ~PulseMicrophone() override;
  PulseMicrophone(const PulseMicrophone&) = delete;
  PulseMicrophone& operator=(const PulseMicrophone&) = delete;

  std::optional<std::string> start(Heard heard, Failed failed) override;
  void stop() override;

 private:
  static void onStreamRead(pa_stream* stream, std::size_t bytes, void* self);
  static void onStreamState(pa_stream* stream, void* self);
  static void onContextState(pa_context* context, void* self);

  void dropStream();
  /// From the server's thread: runs `told` on the program's thread, unless
  /// the listening it belongs to has stopped by then.
  void tell(std::function<void()> told);

  QObject receiver_;
  PulseConnection connection_;
  pa_stream* stream_ = nullptr;
  Heard heard_;
  Failed failed_;
  // Each start() is a new listening; what comes late from an earlier one is dropped.
  std::atomic<std::uint64_t> listening_{0};
  bool active_ = false;
};

}  // namespace hifz
