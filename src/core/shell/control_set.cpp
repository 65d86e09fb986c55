#include "shell/control_set.h"

#include <stdexcept>

#include "controls/list_box.h"
#include "controls/simple_controls.h"
#include "controls/timer.h"

namespace hifz {
namespace {

std::string controlKey(const ControlSpec& spec) {
  std::string key(spec.name);
  if (spec.index >= 0) {
    // Appended piece by piece: GCC 12 at -O3 takes "(" + ... + ")" for an
    // overlapping copy (-Wrestrict) and the release build fails.
    key += '(';
    key += std::to_string(spec.index);
    key += ')';
  }
  return key;
}

std::unique_ptr<Control> makeStandard(const ControlSpec& spec) {
  const std::string name(spec.name);
  switch (spec.kind) {
    case ControlKind::PicturePanel: {
      auto panel = std::make_unique<PicturePanel>(name);
      panel->setBorderStyle(static_cast<int>(spec.value));
      if (spec.colour) panel->setBackColor(*spec.colour);
      return panel;
    }
    case ControlKind::Label: {
      auto label = std::make_unique<Label>(name);
      if (spec.colour) label->setForeColor(*spec.colour);
      return label;
    }
    case ControlKind::Frame:
      return std::make_unique<Frame>(name);
    case ControlKind::TextBox:
      return std::make_unique<TextBox>(name);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBox>(name);
    case ControlKind::CommandButton:
      return std::make_unique<CommandButton>(name);
    case ControlKind::Image:
      return std::make_unique<Image>(name);
    case ControlKind::ListBox:
      return std::make_unique<ListBox>(name);
    default:
      return nullptr;
  }
}

}  // namespace

ControlSet::ControlSet(WindowControl& window, std::span<const ControlSpec> inventory,
                       const Maker& makeOther) {
  if (inventory.empty() || inventory.front().kind != ControlKind::Window)
    throw std::logic_error("an inventory starts with its window");
  for (const ControlSpec& spec : inventory) {
    Control* control = &window;
    if (&spec != &inventory.front()) {
      std::unique_ptr<Control> made = makeStandard(spec);
      if (!made && makeOther) made = makeOther(spec);
      if (!made) throw std::logic_error("nothing makes the control " + std::string(spec.name));
      // Handles hand out a control as the class its row's kind makes.
      if (made->kind() != spec.kind)
        throw std::logic_error(std::string(spec.name) + " was made as another kind");
      control = made.get();
      owned_.push_back(std::move(made));
      control->setContainer(&this->control(spec.container));
    }
    control->setIndex(spec.index);
    control->setLeft(spec.left);
    control->setTop(spec.top);
    control->setWidth(spec.width);
    control->setHeight(spec.height);
    control->setVisible(spec.visible);
    control->setToolTip(std::string(spec.toolTip));
    if (auto* captioned = dynamic_cast<CaptionedControl*>(control))
      captioned->setCaption(std::string(spec.text));
    if (auto* text = dynamic_cast<TextBox*>(control)) {
      text->setText(std::string(spec.text));
      text->setMaxLength(static_cast<int>(spec.value));
    }
    order_.push_back(control);
    byName_.emplace(controlKey(spec), control);
  }
  // Values last: a check box's click procedure or a timer may look at others.
  for (std::size_t i = 0; i < inventory.size(); ++i) {
    if (auto* box = dynamic_cast<CheckBox*>(order_[i]))
      box->setValue(static_cast<int>(inventory[i].value));
    if (auto* timer = dynamic_cast<Timer*>(order_[i])) timer->setInterval(inventory[i].value);
  }
}

Control& ControlSet::control(std::string_view name) const {
  const auto found = byName_.find(name);
  if (found == byName_.end()) {
    std::string message = order_.front()->name();
    message += " has no control named \"";
    message += name;
    message += '"';
    throw std::out_of_range(message);
  }
  return *found->second;
}

}  // namespace hifz
