#pragma once

#include <map>
#include <memory>
#include <string>

#include "dialog/msg_form_holder.h"
#include "fake_file_system.h"
#include "fake_microphone.h"
#include "fake_movie_slot.h"
#include "fake_platform.h"
#include "fake_progress.h"
#include "fake_take_sound.h"
#include "shell/form1.h"
#include "virtual_clock.h"

namespace hifz::testing {

/// The main window and the message dialog, wired as the program wires them, on
/// fakes of every platform service. Nothing runs until the test calls load().
class TestProgram {
 public:
  static constexpr const char* kWebsite = "https://hifz.example/";
  static constexpr WindowSystem::WindowHandle kMainWindowHandle = 0xF1;
  /// The time of day when the virtual clock starts: 2024-03-01 08:00 UTC.
  static constexpr std::int64_t kEpoch = 1709280000000;

  explicit TestProgram(std::string applicationFolder = "C:\\Hifz");

  /// Runs the start-up procedure.
  void load() { form->window().onLoad(); }
  FakeMovieSlot& slot(ControlHandle<Form1, MovieSlot> slot) {
    return static_cast<FakeMovieSlot&>((*form)[slot]);
  }
  /// The message dialog while it exists, else null.
  MsgForm* dialog() const { return msgForm->current(); }

  FakeWindowSystem windows;
  FakeDisplay display;
  FakeMixer mixer;
  FakeShell shell;
  FakeSound sound;
  FakeMessageBox messages;
  FakeFileSystem files;
  VirtualClock clock;
  FakeSettingsStore settings;
  FakeDiagnostics diagnostics;
  FakeProgressStore progress;
  FakeProgressFiles progressFiles;
  VirtualWallClock wallClock{clock, kEpoch};
  FakeMicrophone microphone;
  FakeTakePlayer takePlayer;
  FakeTakeFiles takeFiles;
  FakeTextMeasure textMeasure;
  std::map<std::string, FakeMovieSlot*> slots;
  std::unique_ptr<Form1> form;
  std::unique_ptr<MsgFormHolder> msgForm;
};

}  // namespace hifz::testing
