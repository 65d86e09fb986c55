#pragma once

#include <cstdint>

namespace hifz::swf::tag {

// Record codes of the tags this library reads or writes.
inline constexpr uint16_t kEnd = 0;
inline constexpr uint16_t kShowFrame = 1;
inline constexpr uint16_t kPlaceObject = 4;
inline constexpr uint16_t kSetBackgroundColor = 9;
inline constexpr uint16_t kDoAction = 12;
inline constexpr uint16_t kDefineSound = 14;
inline constexpr uint16_t kStartSound = 15;
inline constexpr uint16_t kSoundStreamBlock = 19;
inline constexpr uint16_t kProtect = 24;
inline constexpr uint16_t kPlaceObject2 = 26;
inline constexpr uint16_t kRemoveObject2 = 28;
inline constexpr uint16_t kDefineShape3 = 32;
inline constexpr uint16_t kDefineButton2 = 34;
inline constexpr uint16_t kDefineBitsLossless2 = 36;
inline constexpr uint16_t kDefineSprite = 39;
inline constexpr uint16_t kSoundStreamHead2 = 45;
inline constexpr uint16_t kEnableDebugger = 58;
inline constexpr uint16_t kEnableDebugger2 = 64;
inline constexpr uint16_t kScriptLimits = 65;
inline constexpr uint16_t kFileAttributes = 69;
inline constexpr uint16_t kPlaceObject3 = 70;
inline constexpr uint16_t kMetadata = 77;

}  // namespace hifz::swf::tag
