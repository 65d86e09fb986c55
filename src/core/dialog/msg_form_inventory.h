#pragma once

#include <span>

#include "shell/control_spec.h"

namespace hifz {

/// Every control of the message dialog as the designer created it, the dialog
/// itself first. Rows of the same container go from back to front.
std::span<const ControlSpec> msgFormInventory();

}  // namespace hifz
