#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "test_program.h"

namespace hifz::testing {

/// How a verse movie plays in the scripted main display: it stops by itself
/// `lengthMs` after it was loaded, on frame `lastFrame`.
struct MovieLength {
  std::int64_t lengthMs = 300;
  int lastFrame = 100;
};

/// A movie given to the main display: the virtual time and the file name.
using Load = std::pair<std::int64_t, std::string>;

/// The main window after start-up with the chapter "1-1\An Nas\" chosen
/// (`File1` on its folder) and a scripted main display: each verse movie of
/// the chapter plays for its length and then stops on its last frame.
class RecitationTest : public ::testing::Test, private ControlObserver {
 protected:
  void SetUp() override;
  void TearDown() override;

  /// Puts movies into the chapter folder; each plays for `length` when loaded.
  void addMovies(std::initializer_list<std::string> names, MovieLength length = {});
  /// The chapter menu in the main display reports a click with these args.
  void click(const std::string& args) { flash1().raiseFSCommand("click", args); }
  void advance(std::int64_t ms) { program.clock.advance(ms); }
  /// How many times the click sound was started.
  int clickSounds() { return static_cast<int>(program.slot(form1::ding).loads.size() / 2); }
  /// Counts the runs of `Menu` from now on, in `menuRuns`.
  void countMenuRuns();

  Form1& form() { return *program.form; }
  MainWindowState& state() { return program.form->state(); }
  FakeMovieSlot& flash1() { return program.slot(form1::flash1); }
  std::string caption(ControlHandle<Form1, Label> label) { return form()[label].caption(); }

  TestProgram program{"C:\\Hifz"};
  /// The movies given to the main display since the test began.
  std::vector<Load> loads;
  /// The patterns given to `File1` since the test began.
  std::vector<std::string> patterns;
  int menuRuns = 0;

 private:
  void controlChanged(const Control& control, Property property) override;

  std::string chapterFolder_;
  std::map<std::string, MovieLength> lengths_;
  std::optional<Clock::Ticket> pendingEnd_;
};

}  // namespace hifz::testing
