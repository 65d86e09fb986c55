#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "platform/mixer.h"

struct pa_context;
struct pa_mainloop;
struct pa_operation;

namespace hifz {

/// The mixer on a PulseAudio server (PipeWire's pulse server too). Device 0
/// is the server of the session; its one speakers line is the default sink
/// and its microphone line the default source, each with one volume control
/// ranging from 0 to 65535. Calls block until the server answers or a
/// deadline passes.
class PulseMixer final : public Mixer {
 public:
  PulseMixer();
  ~PulseMixer() override;
  PulseMixer(const PulseMixer&) = delete;
  PulseMixer& operator=(const PulseMixer&) = delete;

  MixerResult open(std::uint32_t device, MixerHandle& handle) override;
  MixerResult lineInfo(MixerHandle handle, std::uint32_t componentType,
                       std::uint32_t& lineId) override;
  MixerResult lineControl(MixerHandle handle, std::uint32_t lineId, std::uint32_t controlType,
                          MixerControlRecord& control) override;
  MixerResult setControlValue(MixerHandle handle, std::uint32_t controlId,
                              std::uint32_t value) override;

 private:
  bool connected() const;
  /// Runs the loop until `operation` is done; false on a timeout or a lost server.
  bool await(pa_operation* operation);
  bool defaultDeviceExists(bool sink);

  pa_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  std::chrono::milliseconds deadline_{3000};
};

}  // namespace hifz
