#pragma once

#include <map>
#include <memory>
#include <string>

#include "fake_file_system.h"
#include "fake_movie_slot.h"
#include "fake_platform.h"
#include "shell/form1.h"
#include "virtual_clock.h"

namespace hifz::testing {

/// The main window, wired as the program wires it, on fakes of every platform
/// service. Nothing runs until the test calls load().
class TestProgram {
 public:
  explicit TestProgram(std::string applicationFolder = "C:\\Hifz");

  /// Runs the start-up procedure.
  void load() { form->window().onLoad(); }
  FakeMovieSlot& slot(const std::string& name) { return *slots.at(name); }

  FakeWindowSystem windows;
  FakeDisplay display;
  FakeMixer mixer;
  FakeShell shell;
  FakeSound sound;
  FakeMessageBox messages;
  FakeFileSystem files;
  VirtualClock clock;
  std::map<std::string, FakeMovieSlot*> slots;
  std::unique_ptr<Form1> form;
};

}  // namespace hifz::testing
