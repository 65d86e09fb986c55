#pragma once

namespace hifz {

class Form1;

/// Dragging the borderless main window by its background with the left button
/// alone (not while it fills the screen), and the working panel `Picture2` the
/// same way; a double-click on the working panel hides it.
void wireWindowDragging(Form1& form);

}  // namespace hifz
