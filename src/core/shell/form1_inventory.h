#pragma once

#include <span>
#include <string_view>

#include "flash/movie_slot.h"
#include "shell/control_spec.h"

namespace hifz {

/// Every control of the main window, as the designer created it. Rows of the
/// same container are listed from back to front: a later row lies in front.
std::span<const ControlSpec> form1Inventory();

/// How each of the main window's movie slots treats its movies.
SlotSettings form1SlotSettings(std::string_view slotName);

}  // namespace hifz
