#pragma once

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/window_control.h"
#include "shell/control_handle.h"
#include "shell/control_spec.h"

namespace hifz {

/// The controls of one window, made from its inventory in its order, so that
/// a handle's row is the control's place among them.
class ControlSet {
 public:
  /// Makes the controls that need more than their row: file lists, timers,
  /// movie slots. The standard kinds are made here.
  using Maker = std::function<std::unique_ptr<Control>(const ControlSpec&)>;

  /// `inventory` starts with the window's own row, which `window` takes.
  /// Throws std::logic_error for a row no one can make, or makes as another kind.
  ControlSet(WindowControl& window, std::span<const ControlSpec> inventory,
             const Maker& makeOther = {});
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  /// The control a handle names, as the class its row makes.
  template <typename Window, typename T>
  T& operator[](ControlHandle<Window, T> control) const {
    return static_cast<T&>(*order_[control.row()]);
  }
  /// The one look-up by name, for names that come from outside the code (the
  /// inventory's containers, a movie, the page); an element of a control array
  /// is "Name(index)". Throws std::out_of_range naming the window and the name
  /// when the window has no such control.
  Control& control(std::string_view name) const;
  /// The window, then every control, in inventory order (back to front
  /// within a container).
  const std::vector<Control*>& all() const { return order_; }
  /// Every control but the window.
  std::span<Control* const> controls() const { return std::span(order_).subspan(1); }

 private:
  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<Control*> order_;
  std::map<std::string, Control*, std::less<>> byName_;
};

}  // namespace hifz
