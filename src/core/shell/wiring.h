#pragma once

namespace hifz {

class Form1;
class MsgFormHolder;

/// Gives every control of the main window its procedures and handlers; the
/// notices of the main window go to `msgForm`.
void wireForm1(Form1& form, MsgFormHolder& msgForm);

}  // namespace hifz
