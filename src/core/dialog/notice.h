#pragma once

#include <string>

namespace hifz {

class MsgFormHolder;

/// A notice in the program's own dialog, with the single OK button.
struct Notice {
  std::string title;
  std::string firstLine;
  std::string secondLine;
  /// The main window takes no input until the dialog's OK or the link gives it back.
  bool blocksMainWindow = false;
};

/// Fills the dialog with the notice, lays it out and shows it without waiting.
/// A dialog already on screen is reused.
void showNotice(MsgFormHolder& msgForm, const Notice& notice);

}  // namespace hifz
