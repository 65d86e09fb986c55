#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "shell/form1.h"

namespace hifz::testing {

/// Replaces the click procedures of the named buttons so that each run only
/// writes the button's name into `calls`; the procedures under test are left alone.
inline void logProcedures(Form1& form, std::vector<std::string>& calls,
                          std::initializer_list<ControlHandle<Form1, CommandButton>> buttons) {
  for (const auto button : buttons)
    form[button].onClick = [&calls, button] { calls.emplace_back(button.name()); };
}

}  // namespace hifz::testing
