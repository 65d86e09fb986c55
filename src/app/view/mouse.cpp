#include "view/mouse.h"

namespace hifz {

MouseEvent modelMouseEvent(const QMouseEvent& event, QPointF position, float twipsPerPixel) {
  const Qt::MouseButtons held =
      event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonRelease
          ? Qt::MouseButtons(event.button())
          : event.buttons();
  MouseEvent out;
  out.button = (held & Qt::LeftButton ? 1 : 0) | (held & Qt::RightButton ? 2 : 0) |
               (held & Qt::MiddleButton ? 4 : 0);
  const Qt::KeyboardModifiers keys = event.modifiers();
  out.shift = (keys & Qt::ShiftModifier ? 1 : 0) | (keys & Qt::ControlModifier ? 2 : 0) |
              (keys & Qt::AltModifier ? 4 : 0);
  out.x = static_cast<float>(position.x()) * twipsPerPixel;
  out.y = static_cast<float>(position.y()) * twipsPerPixel;
  return out;
}

}  // namespace hifz
