#pragma once

namespace hifz {

class Control;
class MsgForm;

/// Fits the dialog to its message: the message and the link centred under the
/// title strip, the dialog widened for a message wider than 4155 twips, the row
/// of buttons that `MyBotton` names shown below the link, and the dialog placed
/// 2000 twips below and 700 left of the main window's centre.
void layOutMsgForm(MsgForm& dialog, const Control& mainWindow);

}  // namespace hifz
