#pragma once

#include <QMouseEvent>

#include "controls/control.h"

namespace hifz {

/// A Qt mouse event as the program sees it: the buttons held as a mask (1 left,
/// 2 right, 4 middle; on a press, the button pressed), the shift state
/// (1 shift, 2 control, 4 alt) and `position`, pixels from the control's
/// corner, in twips.
MouseEvent modelMouseEvent(const QMouseEvent& event, QPointF position, float twipsPerPixel);

}  // namespace hifz
