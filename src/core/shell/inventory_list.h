#pragma once

#include "shell/control_handle.h"
#include "shell/control_spec.h"

// A window lists its controls once, as a macro in its inventory header that
// takes three macros: CONTROL, ARRAY and ELEMENT (see form1_inventory.h).
// These expand that list into the rows of the window's inventory and into
// the handles of its controls, so the two cannot disagree.

// The rows: one a control, one an element of a control array.
#define HIFZ_INVENTORY_ROW(name, kind, container, ...) \
  ControlSpec{#name, ControlKind::kind, #container, -1, __VA_ARGS__},
#define HIFZ_INVENTORY_ELEMENT_ROW(name, index, kind, container, ...) \
  ControlSpec{#name, ControlKind::kind, #container, index, __VA_ARGS__},

// The handles, in a namespace where `Window` is the window's class: one a
// control, one a control array.
#define HIFZ_CONTROL_HANDLE(name, kind, ...) \
  inline constexpr ControlHandle<Window, kind> name{#name};
#define HIFZ_ARRAY_HANDLE(name, kind) inline constexpr ControlArrayHandle<Window, kind> name{#name};

// What a line makes nothing of: a control array's own line has no row, its
// elements have no handles of their own.
#define HIFZ_INVENTORY_SKIP(...)
