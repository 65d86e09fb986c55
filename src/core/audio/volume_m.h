#pragma once

#include <cstdint>

#include "platform/mixer.h"

namespace hifz {

/// Finds the first line of `componentType` on the mixer and its control of
/// `controlType`, and copies the control's description into `control`.
/// Returns -1 when both queries succeed, else 0 (then the record is left as
/// it was, apart from cbStruct once the line was found).
std::int16_t FindMixerControl(Mixer& mixer, MixerHandle handle, std::uint32_t componentType,
                              std::uint32_t controlType, MixerControlRecord& control);

/// Writes one value into the control; -1 when the mixer accepts it, else 0.
/// With no open mixer or no control found nothing is sent at all.
std::int16_t SetMixerControlValue(Mixer& mixer, MixerHandle handle,
                                  const MixerControlRecord& control, std::int32_t value);

}  // namespace hifz
