#pragma once

#include <filesystem>
#include <functional>

namespace hifz {

/// A rename as renameat2(2) makes it with `flags`: 0, or -1 with errno set.
using Rename = std::function<int(const std::filesystem::path& from, const std::filesystem::path& to,
                                 unsigned int flags)>;

/// Thrown when "2 blank.gif" could not take its place and the data folder,
/// already exchanged, could not be put back: only the new data folder is in
/// place, and the old one, if there was one, is in the built folder.
class PartlySwapped : public std::filesystem::filesystem_error {
 public:
  using std::filesystem::filesystem_error::filesystem_error;
};

/// renameat2(2) itself.
int renameEntry(const std::filesystem::path& from, const std::filesystem::path& to,
                unsigned int flags);

/// Puts content built in `built` ("2 blank.gif" and the data folder) into the
/// user's content folder `user`, made when absent. Each of the two takes the
/// place of the one there, its name matched ignoring letter case, in one
/// atomic exchange, so the program never finds half a data folder; what was
/// there before is left in `built`, for the caller to remove. Both folders
/// must be on one file system. Throws std::filesystem::filesystem_error,
/// naming the entry, when a move fails.
void swapInBuiltContent(const std::filesystem::path& built, const std::filesystem::path& user,
                        const Rename& rename = renameEntry);

}  // namespace hifz
