#pragma once

#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/display.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/microphone.h"
#include "platform/mixer.h"
#include "platform/progress_files.h"
#include "platform/progress_store.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/take_sound.h"
#include "platform/wall_clock.h"
#include "platform/window_system.h"

namespace hifz {

/// Everything the behaviour needs from the machine, each behind its interface.
/// Every member must outlive the windows that use it.
struct Platform {
  WindowSystem& windows;
  Display& display;
  Mixer& mixer;
  Shell& shell;
  Sound& sound;
  MessageBox& messages;
  FileSystem& files;
  Clock& clock;
  SettingsStore& settings;
  Diagnostics& diagnostics = noDiagnostics();
  ProgressStore& progress = noProgressStore();
  WallClock& wallClock = noWallClock();
  Microphone& microphone = noMicrophone();
  TakePlayer& takePlayer = noTakePlayer();
  TakeFiles& takeFiles = noTakeFiles();
  ProgressFiles& progressFiles = noProgressFiles();
};

}  // namespace hifz
