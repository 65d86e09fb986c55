#pragma once

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "controls/window_control.h"
#include "shell/control_spec.h"

namespace hifz {

/// The controls of one window, made from its inventory and found by the
/// program's own names; the elements of a control array as "Name(index)".
class ControlSet {
 public:
  /// Makes the controls that need more than their row: file lists, timers,
  /// movie slots. The standard kinds are made here.
  using Maker = std::function<std::unique_ptr<Control>(const ControlSpec&)>;

  /// `inventory` starts with the window's own row, which `window` takes.
  /// Throws std::logic_error for a row no one can make.
  ControlSet(WindowControl& window, std::span<const ControlSpec> inventory,
             const Maker& makeOther = {});
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  /// Throws std::out_of_range for a name the window does not have.
  Control& control(std::string_view name) const;
  /// Throws std::logic_error when the control is of another kind.
  template <typename T>
  T& as(std::string_view name) const;
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

template <typename T>
T& ControlSet::as(std::string_view name) const {
  if (auto* typed = dynamic_cast<T*>(&control(name))) return *typed;
  throw std::logic_error(std::string(name) + " is not of the kind asked for");
}

}  // namespace hifz
