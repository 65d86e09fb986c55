#include "audio/volume_m.h"

#include "shell/main_window_state.h"

namespace hifz {

std::int16_t FindMixerControl(Mixer& mixer, MixerHandle handle, std::uint32_t componentType,
                              std::uint32_t controlType, MixerControlRecord& control) {
  std::uint32_t lineId = 0;
  if (mixer.lineInfo(handle, componentType, lineId) != kMixerNoError) return kFalse16;
  MixerControlRecord block;
  control.cbStruct = kMixerControlRecordSize;
  if (mixer.lineControl(handle, lineId, controlType, block) != kMixerNoError) return kFalse16;
  control = block;
  return kTrue16;
}

std::int16_t SetMixerControlValue(Mixer& mixer, MixerHandle handle,
                                  const MixerControlRecord& control, std::int32_t value) {
  // A lookup that failed leaves control 0, which names no control: writing
  // to it could change some other volume, so the request is not made.
  if (handle == 0 || control.dwControlID == 0) return kFalse16;
  const auto details = static_cast<std::uint32_t>(value);
  return mixer.setControlValue(handle, control.dwControlID, details) == kMixerNoError ? kTrue16
                                                                                      : kFalse16;
}

}  // namespace hifz
