#pragma once

#include <optional>
#include <string>

namespace hifz {

/// Where the practice log lies: $XDG_DATA_HOME/hifz/progress.sqlite.
std::string practiceLogPath();

/// `hifz --export-progress FILE` and `hifz --import-progress FILE`, done
/// without a window and told in one line: the exit status when the command
/// line asks for one of them (0 done, 1 refused, 2 used wrongly), else none.
std::optional<int> runProgressCommand(int argc, char** argv);

}  // namespace hifz
