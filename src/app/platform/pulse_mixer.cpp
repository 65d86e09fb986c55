#include "platform/pulse_mixer.h"

#include <pulse/pulseaudio.h>

#include <algorithm>

namespace hifz {
namespace {

constexpr MixerHandle kSessionMixer = 1;
constexpr std::uint32_t kSpeakersLine = 1;
constexpr std::uint32_t kMicrophoneLine = 2;
constexpr std::uint32_t kTopValue = 65535;

struct DeviceQuery {
  bool found = false;
  bool isMonitor = false;
  std::uint8_t channels = 0;
};

void onSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* userdata) {
  if (eol || !info) return;
  auto* query = static_cast<DeviceQuery*>(userdata);
  query->found = true;
  query->channels = info->volume.channels;
}

void onSourceInfo(pa_context*, const pa_source_info* info, int eol, void* userdata) {
  if (eol || !info) return;
  auto* query = static_cast<DeviceQuery*>(userdata);
  query->found = true;
  // A sink's monitor is no microphone.
  query->isMonitor = info->monitor_of_sink != PA_INVALID_INDEX;
  query->channels = info->volume.channels;
}

void onSuccess(pa_context*, int success, void* userdata) {
  *static_cast<bool*>(userdata) = success != 0;
}

}  // namespace

PulseMixer::PulseMixer() = default;

PulseMixer::~PulseMixer() {
  if (context_) {
    pa_context_disconnect(context_);
    pa_context_unref(context_);
  }
  if (loop_) pa_mainloop_free(loop_);
}

bool PulseMixer::connected() const {
  return context_ && pa_context_get_state(context_) == PA_CONTEXT_READY;
}

MixerResult PulseMixer::open(std::uint32_t device, MixerHandle& handle) {
  if (device != 0) return kMixerBadDevice;
  if (!connected()) {
    if (!loop_) loop_ = pa_mainloop_new();
    if (!context_) context_ = pa_context_new(pa_mainloop_get_api(loop_), "Hifz");
    if (!context_ || pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
      return kMixerBadDevice;
    const auto end = std::chrono::steady_clock::now() + deadline_;
    while (true) {
      const pa_context_state_t state = pa_context_get_state(context_);
      if (state == PA_CONTEXT_READY) break;
      if (!PA_CONTEXT_IS_GOOD(state) || std::chrono::steady_clock::now() > end) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
        return kMixerBadDevice;
      }
      pa_mainloop_prepare(loop_, 50'000);
      pa_mainloop_poll(loop_);
      pa_mainloop_dispatch(loop_);
    }
  }
  handle = kSessionMixer;
  return kMixerNoError;
}

bool PulseMixer::await(pa_operation* operation) {
  if (!operation) return false;
  const auto end = std::chrono::steady_clock::now() + deadline_;
  while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING) {
    if (!connected() || std::chrono::steady_clock::now() > end) {
      pa_operation_cancel(operation);
      pa_operation_unref(operation);
      return false;
    }
    pa_mainloop_prepare(loop_, 50'000);
    pa_mainloop_poll(loop_);
    pa_mainloop_dispatch(loop_);
  }
  const bool done = pa_operation_get_state(operation) == PA_OPERATION_DONE;
  pa_operation_unref(operation);
  return done;
}

bool PulseMixer::defaultDeviceExists(bool sink) {
  DeviceQuery query;
  pa_operation* operation =
      sink ? pa_context_get_sink_info_by_name(context_, "@DEFAULT_SINK@", onSinkInfo, &query)
           : pa_context_get_source_info_by_name(context_, "@DEFAULT_SOURCE@", onSourceInfo, &query);
  return await(operation) && query.found && !query.isMonitor;
}

MixerResult PulseMixer::lineInfo(MixerHandle handle, std::uint32_t componentType,
                                 std::uint32_t& lineId) {
  if (handle != kSessionMixer || !connected()) return kMixerInvalidHandle;
  if (componentType == kComponentSpeakers && defaultDeviceExists(true)) {
    lineId = kSpeakersLine;
    return kMixerNoError;
  }
  if (componentType == kComponentMicrophone && defaultDeviceExists(false)) {
    lineId = kMicrophoneLine;
    return kMixerNoError;
  }
  return kMixerNotFound;
}

MixerResult PulseMixer::lineControl(MixerHandle handle, std::uint32_t lineId,
                                    std::uint32_t controlType, MixerControlRecord& control) {
  if (handle != kSessionMixer || !connected()) return kMixerInvalidHandle;
  if ((lineId != kSpeakersLine && lineId != kMicrophoneLine) || controlType != kControlVolume)
    return kMixerNotFound;
  control = MixerControlRecord{};
  control.cbStruct = kMixerControlRecordSize;
  // The line's own number identifies its one control, and is never 0.
  control.dwControlID = lineId;
  control.dwControlType = kControlVolume;
  control.szShortName = "Volume";
  control.szName = lineId == kSpeakersLine ? "Speakers Volume" : "Microphone Volume";
  control.lMinimum = 0;
  control.lMaximum = static_cast<std::int32_t>(kTopValue);
  return kMixerNoError;
}

MixerResult PulseMixer::setControlValue(MixerHandle handle, std::uint32_t controlId,
                                        std::uint32_t value) {
  if (handle != kSessionMixer || !connected()) return kMixerInvalidHandle;
  const bool sink = controlId == kSpeakersLine;
  if (!sink && controlId != kMicrophoneLine) return kMixerNotFound;
  DeviceQuery query;
  if (!await(sink ? pa_context_get_sink_info_by_name(context_, "@DEFAULT_SINK@", onSinkInfo, &query)
                  : pa_context_get_source_info_by_name(context_, "@DEFAULT_SOURCE@", onSourceInfo,
                                                       &query)) ||
      !query.found)
    return kMixerNotFound;
  const auto level = static_cast<pa_volume_t>(
      static_cast<std::uint64_t>(std::min(value, kTopValue)) * PA_VOLUME_NORM / kTopValue);
  pa_cvolume volume;
  pa_cvolume_set(&volume, std::max<std::uint8_t>(query.channels, 1), level);
  bool applied = false;
  pa_operation* operation = sink ? pa_context_set_sink_volume_by_name(context_, "@DEFAULT_SINK@",
                                                                      &volume, onSuccess, &applied)
                                 : pa_context_set_source_volume_by_name(
                                       context_, "@DEFAULT_SOURCE@", &volume, onSuccess, &applied);
  return await(operation) && applied ? kMixerNoError : kMixerInvalidHandle;
}

}  // namespace hifz
