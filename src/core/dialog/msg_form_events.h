#pragma once

namespace hifz {

class MsgForm;
class MsgFormHolder;

/// The dialog's handlers: the layout button, the closing buttons, the link with
/// its colours, and dragging by the title strip.
void wireMsgForm(MsgForm& dialog, MsgFormHolder& holder);

}  // namespace hifz
