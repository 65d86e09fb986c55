#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "controls/simple_controls.h"
#include "controls/window_control.h"
#include "dialog/msg_form_inventory.h"
#include "platform/text_measure.h"
#include "shell/control_set.h"

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
  /// The control a handle names, as its class: `dialog[msg_form::MyMsg]`.
  template <typename T>
  T& operator[](ControlHandle<MsgForm, T> control) const {
    return controls_[control];
  }
  /// Every control but the dialog itself, in inventory order.
  std::span<Control* const> controls() const { return controls_.controls(); }

 private:
  void controlChanged(const Control& control, Property property) override;

  const TextMeasure& measure_;
  MsgFormState state_;
  WindowControl window_{"MsgForm"};
  ControlSet controls_;
};

}  // namespace hifz
