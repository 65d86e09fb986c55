#include "dialog/msg_form.h"

#include "dialog/msg_form_inventory.h"

namespace hifz {
namespace {

std::unique_ptr<Control> make(const ControlSpec& spec) {
  const std::string name(spec.name);
  switch (spec.kind) {
    case ControlKind::PicturePanel: {
      auto panel = std::make_unique<PicturePanel>(name);
      if (spec.colour) panel->setBackColor(*spec.colour);
      return panel;
    }
    case ControlKind::Label: {
      auto label = std::make_unique<Label>(name);
      if (spec.colour) label->setForeColor(*spec.colour);
      return label;
    }
    case ControlKind::CommandButton:
      return std::make_unique<CommandButton>(name);
    default:
      throw std::logic_error("the dialog has no control of the kind of " + name);
  }
}

}  // namespace

MsgForm::MsgForm(const TextMeasure& measure, std::string website) : measure_(measure) {
  for (const ControlSpec& spec : msgFormInventory()) {
    Control* control = &window_;
    if (spec.kind != ControlKind::Window) {
      owned_.push_back(make(spec));
      control = owned_.back().get();
      control->setContainer(&this->control(spec.container));
      order_.push_back(control);
    }
    byName_.emplace(std::string(spec.name), control);
    control->setLeft(spec.left);
    control->setTop(spec.top);
    control->setWidth(spec.width);
    control->setHeight(spec.height);
    control->setVisible(spec.visible);
    if (auto* captioned = dynamic_cast<CaptionedControl*>(control))
      captioned->setCaption(std::string(spec.text));
  }
  label("www").setCaption(std::move(website));
  label("MyMsg").addObserver(this);
}

Control& MsgForm::control(std::string_view name) const {
  const auto found = byName_.find(name);
  if (found == byName_.end())
    throw std::out_of_range("the dialog has no control " + std::string(name));
  return *found->second;
}

void MsgForm::controlChanged(const Control& control, Property property) {
  if (property != Property::Caption) return;
  const TextSize size = measure_.measure(static_cast<const Label&>(control).caption());
  Label& message = label("MyMsg");
  message.setWidth(size.width);
  message.setHeight(size.height);
}

}  // namespace hifz
