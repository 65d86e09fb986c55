#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace hifz {

using MixerHandle = std::uint32_t;
using MixerResult = std::int32_t;

inline constexpr MixerResult kMixerNoError = 0;
inline constexpr MixerResult kMixerBadDevice = 2;
inline constexpr MixerResult kMixerInvalidHandle = 5;
inline constexpr MixerResult kMixerNotFound = 1024;

inline constexpr std::uint32_t kComponentSpeakers = 4;
inline constexpr std::uint32_t kComponentMicrophone = 0x1003;
inline constexpr std::uint32_t kControlVolume = 0x50030001;

/// The program's copy of one mixer control's description (152 bytes on the wire).
struct MixerControlRecord {
  std::uint32_t cbStruct = 0;
  std::uint32_t dwControlID = 0;
  std::uint32_t dwControlType = 0;
  std::uint32_t fdwControl = 0;
  std::uint32_t cMultipleItems = 0;
  std::string szShortName;  // at most 16 characters
  std::string szName;       // at most 64 characters
  std::int32_t lMinimum = 0;
  std::int32_t lMaximum = 0;
  std::array<std::uint32_t, 11> reserved{};

  friend bool operator==(const MixerControlRecord&, const MixerControlRecord&) = default;
};

inline constexpr std::uint32_t kMixerControlRecordSize = 152;

/// The system's audio mixer, as four operations. Results are 0 on success.
/// Control identifiers handed out are never 0, so 0 means "no control".
class Mixer {
 public:
  virtual ~Mixer() = default;
  /// Opens mixer device `device`; on success `handle` is set and is never 0.
  virtual MixerResult open(std::uint32_t device, MixerHandle& handle) = 0;
  /// Finds the first line of the component type and gives its identifier.
  virtual MixerResult lineInfo(MixerHandle handle, std::uint32_t componentType,
                               std::uint32_t& lineId) = 0;
  /// Describes the line's control of the control type into `control`.
  virtual MixerResult lineControl(MixerHandle handle, std::uint32_t lineId,
                                  std::uint32_t controlType, MixerControlRecord& control) = 0;
  /// Writes one value, for one channel (all channels alike), into the control.
  virtual MixerResult setControlValue(MixerHandle handle, std::uint32_t controlId,
                                      std::uint32_t value) = 0;
};

/// A machine without a mixer: opening fails.
class NullMixer final : public Mixer {
 public:
  MixerResult open(std::uint32_t, MixerHandle&) override { return kMixerBadDevice; }
  MixerResult lineInfo(MixerHandle, std::uint32_t, std::uint32_t&) override {
    return kMixerInvalidHandle;
  }
  MixerResult lineControl(MixerHandle, std::uint32_t, std::uint32_t, MixerControlRecord&) override {
    return kMixerInvalidHandle;
  }
  MixerResult setControlValue(MixerHandle, std::uint32_t, std::uint32_t) override {
    return kMixerInvalidHandle;
  }
};

}  // namespace hifz
