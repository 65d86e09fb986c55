#pragma once

#include <filesystem>

namespace hifz {

/// Puts content built in `built` ("2 blank.gif" and the data folder) into the
/// user's content folder `user`, made when absent. Each of the two takes the
/// place of the one there, its name matched ignoring letter case, in one
/// atomic exchange, so the program never finds half a data folder; what was
/// there before is left in `built`, for the caller to remove. Both folders
/// must be on one file system. Throws std::filesystem::filesystem_error,
/// naming the entry, when a move fails.
void swapInBuiltContent(const std::filesystem::path& built, const std::filesystem::path& user);

}  // namespace hifz
