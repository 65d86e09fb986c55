#pragma once

#include <cstdint>
#include <string>

#include "platform/display.h"
#include "platform/mixer.h"

namespace hifz {

/// What the main window's handlers share, in its declared order. Created
/// zero-filled with the window and kept until the process ends.
struct MainWindowState {
  std::int32_t ScreenWidthPx = 0;
  std::int32_t ScreenHeightPx = 0;
  Display::Context DisplayDC = 0;
  hifz::MixerHandle MixerHandle = 0;
  MixerControlRecord SpeakerControl;
  MixerControlRecord MicrophoneControl;
  std::int32_t MixerOpenResult = 0;
  /// -1 true, 0 false: outcome of the last volume-control lookup.
  std::int16_t ControlFound = 0;
  std::int32_t VolumeValue = 0;
  std::int16_t VerseIndex = 0;
  float RepeatsDone = 0;
  std::string VerseFile;
  float RangeMode = 0;
  std::string CurrentChapter;
  std::string DataFolder;
  std::string MenuMovie;
  std::int32_t DragStartX = 0;
  std::int32_t DragStartY = 0;
};

/// Booleans of procedures are 16-bit: -1 for true, 0 for false.
inline constexpr std::int16_t kTrue16 = -1;
inline constexpr std::int16_t kFalse16 = 0;

}  // namespace hifz
