#pragma once

namespace hifz {

class Form1;
class MsgFormHolder;

/// The top menu's group choice, which brings that group's chapter list into
/// view, and the chapter lists' chapter choice, which makes the chapter current,
/// shows its menu and opens the chapter screen. A chapter that cannot be opened
/// raises the missing-chapter notice with the main window blocked.
void wireChapterSelection(Form1& form, MsgFormHolder& msgForm);

}  // namespace hifz
