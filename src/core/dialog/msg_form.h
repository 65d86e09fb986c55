#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "controls/simple_controls.h"
#include "controls/window_control.h"
#include "platform/text_measure.h"

namespace hifz {

/// The dialog's own variables: where the title strip was pressed last, in whole
/// twips of the control pressed.
struct MsgFormState {
  std::int32_t TitleDragX = 0;
  std::int32_t TitleDragY = 0;
};

/// The program's own message dialog: every control of its inventory and its
/// variables. The message label `MyMsg` sizes itself to its text whenever its
/// caption changes: as wide as its longest line, as high as all its lines.
class MsgForm final : private ControlObserver {
 public:
  /// Builds the dialog from its design; `website` is the address the link shows.
  MsgForm(const TextMeasure& measure, std::string website);
  MsgForm(const MsgForm&) = delete;
  MsgForm& operator=(const MsgForm&) = delete;

  WindowControl& window() { return window_; }
  MsgFormState& state() { return state_; }
  Control& control(std::string_view name) const;
  Label& label(std::string_view name) const { return as<Label>(name); }
  CommandButton& button(std::string_view name) const { return as<CommandButton>(name); }
  PicturePanel& panel(std::string_view name) const { return as<PicturePanel>(name); }
  /// Every control but the dialog itself, in inventory order.
  const std::vector<Control*>& controls() const { return order_; }

 private:
  void controlChanged(const Control& control, Property property) override;
  template <typename T>
  T& as(std::string_view name) const;

  const TextMeasure& measure_;
  MsgFormState state_;
  WindowControl window_{"MsgForm"};
  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<Control*> order_;
  std::map<std::string, Control*, std::less<>> byName_;
};

template <typename T>
T& MsgForm::as(std::string_view name) const {
  if (auto* typed = dynamic_cast<T*>(&control(name))) return *typed;
  throw std::logic_error(std::string(name) + " is not of the kind asked for");
}

}  // namespace hifz
