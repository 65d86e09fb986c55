#pragma once

#include <QColor>

#include "controls/colour.h"

namespace hifz {

/// A colour of the model (0x00BBGGRR, or a system colour with the top bit set)
/// as Qt paints it; system colours come from the application's palette.
QColor toQColor(Colour colour);

}  // namespace hifz
