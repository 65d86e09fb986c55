#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "controls/colour.h"
#include "controls/control.h"

namespace hifz {

/// One row of a window's inventory: how a control is created.
struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  /// The control it lies in; empty for the window itself.
  std::string_view container;
  /// Position in a control array, or -1.
  int index = -1;
  /// Caption of a label, frame, button or check box; text of a text box.
  std::string_view text = {};
  float left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  std::string_view toolTip = {};
  /// Check box value, timer interval in milliseconds, panel border style, or
  /// the most characters the user may type into a text box (0: no limit).
  std::int64_t value = 0;
  /// Text colour of a label, background of a panel; none keeps the control's default.
  std::optional<Colour> colour = std::nullopt;
};

/// Written in a row for a control the designer created invisible.
inline constexpr bool kHidden = false;

/// Whether each row's container is a row before it, as creating them in order needs.
consteval bool containersComeFirst(std::span<const ControlSpec> rows) {
  for (std::size_t row = 1; row < rows.size(); ++row) {
    bool found = false;
    for (std::size_t before = 0; before < row; ++before)
      found = found || rows[before].name == rows[row].container;
    if (!found) return false;
  }
  return true;
}

}  // namespace hifz
