#pragma once

#include <QFont>

#include "view/text_look.h"

namespace hifz {

/// The font of the message dialog's texts, which its message is also measured
/// in: the program's Arabic face at 9.75 pt.
QFont msgFormFont();

/// The message dialog's title, message, link and reply buttons in that font,
/// shrinking to 7 pt at the least; the link underlined and drawn as wide as its
/// address needs.
WindowLook msgFormLook();

}  // namespace hifz
