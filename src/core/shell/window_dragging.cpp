#include "shell/window_dragging.h"

#include <cmath>
#include <cstdint>

#include "shell/form1.h"

namespace hifz {
namespace {

constexpr int kLeftButtonAlone = 1;

void rememberDragStart(MainWindowState& state, const MouseEvent& event) {
  state.DragStartX = static_cast<std::int32_t>(std::nearbyint(event.x));
  state.DragStartY = static_cast<std::int32_t>(std::nearbyint(event.y));
}

// The pointer moved from the press by (x, y) - start; the control follows it, so
// the next move measures from the same start again.
void follow(Control& moved, const MainWindowState& state, const MouseEvent& event) {
  moved.setLeft(moved.left() - (static_cast<float>(state.DragStartX) - event.x));
  moved.setTop(moved.top() - (static_cast<float>(state.DragStartY) - event.y));
}

}  // namespace

void wireWindowDragging(Form1& form) {
  WindowControl& window = form.window();
  window.onMouseDown = [&form](const MouseEvent& event) { rememberDragStart(form.state(), event); };
  window.onMouseMove = [&form](const MouseEvent& event) {
    WindowControl& self = form.window();
    if (self.windowState() == WindowState::Maximized || event.button != kLeftButtonAlone) return;
    follow(self, form.state(), event);
  };

  PicturePanel& workingPanel = form[form1::Picture2];
  workingPanel.onMouseDown = [&form](const MouseEvent& event) {
    rememberDragStart(form.state(), event);
  };
  workingPanel.onMouseMove = [&form](const MouseEvent& event) {
    if (event.button != kLeftButtonAlone) return;
    follow(form[form1::Picture2], form.state(), event);
  };
  workingPanel.onDoubleClick = [&form] { form[form1::Picture2].setVisible(false); };
}

}  // namespace hifz
