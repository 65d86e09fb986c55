#include "shell/form1.h"

#include <stdexcept>

#include "shell/form1_inventory.h"

namespace hifz {
namespace {

std::string controlKey(const ControlSpec& spec) {
  std::string key(spec.name);
  if (spec.index >= 0) key += "(" + std::to_string(spec.index) + ")";
  return key;
}

}  // namespace

Form1::Form1(Platform platform, MovieSlotFactory slots, std::string applicationFolder)
    : platform_(platform), applicationFolder_(std::move(applicationFolder)) {
  for (const ControlSpec& spec : form1Inventory()) {
    Control* control = &window_;
    const std::string name(spec.name);
    if (spec.kind != ControlKind::Window) {
      std::unique_ptr<Control> made;
      switch (spec.kind) {
        case ControlKind::PicturePanel: {
          auto panel = std::make_unique<PicturePanel>(name);
          panel->setBorderStyle(static_cast<int>(spec.value));
          made = std::move(panel);
          break;
        }
        case ControlKind::Frame:
          made = std::make_unique<Frame>(name);
          break;
        case ControlKind::Label:
          made = std::make_unique<Label>(name);
          break;
        case ControlKind::TextBox:
          made = std::make_unique<TextBox>(name);
          break;
        case ControlKind::CheckBox:
          made = std::make_unique<CheckBox>(name);
          break;
        case ControlKind::CommandButton:
          made = std::make_unique<CommandButton>(name);
          break;
        case ControlKind::Image:
          made = std::make_unique<Image>(name);
          break;
        case ControlKind::ListBox:
          made = std::make_unique<ListBox>(name);
          break;
        case ControlKind::FileListBox:
          made = std::make_unique<FileListBox>(name, platform_.files);
          break;
        case ControlKind::Timer:
          made = std::make_unique<Timer>(name, platform_.clock);
          break;
        case ControlKind::MovieSlot:
          made = slots(name, form1SlotSettings(name));
          break;
        case ControlKind::Window:
          break;
      }
      control = made.get();
      owned_.push_back(std::move(made));
    }
    control->setIndex(spec.index);
    control->setLeft(spec.left);
    control->setTop(spec.top);
    control->setWidth(spec.width);
    control->setHeight(spec.height);
    control->setVisible(spec.visible);
    control->setToolTip(std::string(spec.toolTip));
    if (!spec.container.empty()) control->setContainer(&this->control(spec.container));
    if (auto* captioned = dynamic_cast<CaptionedControl*>(control))
      captioned->setCaption(std::string(spec.text));
    if (auto* text = dynamic_cast<TextBox*>(control)) text->setText(std::string(spec.text));
    order_.push_back(control);
    byName_.emplace(controlKey(spec), control);
  }
  // Values last: a check box's click procedure or a timer may look at others.
  for (const ControlSpec& spec : form1Inventory()) {
    Control& made = control(controlKey(spec));
    if (auto* box = dynamic_cast<CheckBox*>(&made)) box->setValue(static_cast<int>(spec.value));
    if (auto* timer = dynamic_cast<Timer*>(&made)) timer->setInterval(spec.value);
  }
}

Control& Form1::control(std::string_view name) const {
  const auto found = byName_.find(name);
  if (found == byName_.end()) throw std::out_of_range("no control named " + std::string(name));
  return *found->second;
}

std::string Form1::blankMoviePath() const {
  const bool endsInSeparator =
      applicationFolder_.ends_with('\\') || applicationFolder_.ends_with('/');
  return applicationFolder_ + (endsInSeparator ? "" : "\\") + "2 blank.gif";
}

std::string Form1::dataFilePath(std::string_view fileName) const {
  return applicationFolder_ + state_.DataFolder + std::string(fileName);
}

std::string Form1::chapterFilePath(std::string_view fileName) const {
  return applicationFolder_ + state_.DataFolder + state_.CurrentChapter + std::string(fileName);
}

void Form1::reloadMovie(MovieSlot& slot, const std::string& path) const {
  slot.setMovie(blankMoviePath());
  slot.setMovie(path);
}

}  // namespace hifz
