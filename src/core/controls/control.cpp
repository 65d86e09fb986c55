#include "controls/control.h"

#include <algorithm>

namespace hifz {

Control::Control(std::string name, ControlKind kind) : name_(std::move(name)), kind_(kind) {}

void Control::setLeft(float value) { assign(left_, value, Property::Left); }
void Control::setTop(float value) { assign(top_, value, Property::Top); }
void Control::setWidth(float value) { assign(width_, value, Property::Width); }
void Control::setHeight(float value) { assign(height_, value, Property::Height); }
void Control::setVisible(bool value) { assign(visible_, value, Property::Visible); }
void Control::setEnabled(bool value) { assign(enabled_, value, Property::Enabled); }

void Control::click() {
  if (onClick) onClick();
}

void Control::doubleClick() {
  // A command button knows no double click: the second click of a quick pair
  // (two steps of the volume, say) is one more click.
  if (kind_ == ControlKind::CommandButton) {
    click();
    return;
  }
  if (onDoubleClick) onDoubleClick();
}

void Control::mouseDown(const MouseEvent& event) {
  if (onMouseDown) onMouseDown(event);
}

void Control::mouseMove(const MouseEvent& event) {
  if (onMouseMove) onMouseMove(event);
}

void Control::mouseUp(const MouseEvent& event) {
  if (onMouseUp) onMouseUp(event);
}

void Control::addObserver(ControlObserver* observer) { observers_.push_back(observer); }

void Control::removeObserver(ControlObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Control::notify(Property property) {
  // A copy, so an observer may detach itself while being told.
  const auto observers = observers_;
  for (ControlObserver* observer : observers) observer->controlChanged(*this, property);
}

}  // namespace hifz
