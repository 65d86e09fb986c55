#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/countdown.h"
#include "controls/file_list_box.h"
#include "controls/list_box.h"
#include "controls/simple_controls.h"
#include "controls/timer.h"
#include "controls/window_control.h"
#include "flash/movie_slot.h"
#include "navigation/chapter_catalog.h"
#include "platform/platform.h"
#include "shell/control_set.h"
#include "shell/form1_inventory.h"
#include "shell/main_window_state.h"

namespace hifz {

/// The main window: every control of its inventory, its state record, and the
/// platform it runs on. The behaviour reaches each control through its handle
/// (shell/form1_inventory.h).
class Form1 {
 public:
  /// `applicationFolder` is the folder that holds the program, as the platform
  /// writes it; paths of movies and data files start with it.
  Form1(Platform platform, MovieSlotFactory slots, std::string applicationFolder);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  MainWindowState& state() { return state_; }
  const MainWindowState& state() const { return state_; }
  Platform& platform() { return platform_; }
  const std::string& applicationFolder() const { return applicationFolder_; }

  WindowControl& window() { return window_; }
  /// The control a handle names, as its class: `form[form1::StopIt]`,
  /// `form[form1::Image5[3]]`.
  template <typename T>
  T& operator[](ControlHandle<Form1, T> control) const {
    return controls_[control];
  }
  /// A control by a name that comes from outside the code; see ControlSet::control.
  Control& controlNamed(std::string_view name) const { return controls_.control(name); }
  /// The learner's turn: a countdown that stands where the reciting indicator
  /// `Picture5` does, in front of it. Not one of the inventory's controls.
  Countdown& countdown() { return countdown_; }
  /// What the content holds: the fixed catalog until start-up reads the
  /// content's own.
  const Catalog& catalog() const { return catalog_; }
  void setCatalog(Catalog catalog) { catalog_ = std::move(catalog); }
  /// The window and every control it draws, back to front within a container:
  /// the inventory's in its order, the countdown right after `Picture5`.
  const std::vector<Control*>& controls() const { return drawn_; }

  /// Runs a procedure button's click procedure to its end.
  void run(ControlHandle<Form1, CommandButton> procedure) const {
    (*this)[procedure].setValue(true);
  }

  /// The blank movie, which lies in the application folder itself.
  std::string blankMoviePath() const;
  /// A file of the data folder: application folder, DataFolder, name.
  std::string dataFilePath(std::string_view fileName) const;
  /// A file of the chosen chapter: application folder, DataFolder, CurrentChapter, name.
  std::string chapterFilePath(std::string_view fileName) const;
  /// Gives the slot the blank movie, then the movie at `path`, so it starts afresh.
  void reloadMovie(MovieSlot& slot, const std::string& path) const;

 private:
  Platform platform_;
  std::string applicationFolder_;
  MainWindowState state_;
  WindowControl window_{"Form1"};
  ControlSet controls_;
  Countdown countdown_;
  Catalog catalog_ = fixedCatalog();
  std::vector<Control*> drawn_;
};

}  // namespace hifz
