#pragma once

namespace hifz {

class Form1;

/// Gives every control of the main window its procedures and handlers.
void wireForm1(Form1& form);

}  // namespace hifz
