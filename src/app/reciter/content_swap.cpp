#include "reciter/content_swap.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <system_error>

#include "platform/disk_file_system.h"

namespace hifz {
namespace fs = std::filesystem;
namespace {

// One entry's step: moved into a place that was empty, or exchanged.
struct Step {
  fs::path from;
  fs::path to;
  unsigned int flags;
};

std::error_code lastError() { return {errno, std::generic_category()}; }

void syncFolder(const fs::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

// The step for `name`: the entry there in any letter case, as the program
// itself would find it, is the one exchanged.
Step stepFor(const fs::path& built, const fs::path& user, const char* name) {
  const std::optional<fs::path> present = resolveProgramPath((user / name).string());
  if (!present) return {built / name, user / name, RENAME_NOREPLACE};
  return {built / name, *present, RENAME_EXCHANGE};
}

const char* whatFailed(const Step& step) {
  return step.flags == RENAME_EXCHANGE ? "cannot exchange the new content for the old"
                                       : "cannot move the new content into place";
}

// An exchange undoes itself; a move goes back the way it came.
bool undo(const Step& step, const Rename& rename) {
  if (step.flags == RENAME_EXCHANGE) return rename(step.from, step.to, RENAME_EXCHANGE) == 0;
  return rename(step.to, step.from, RENAME_NOREPLACE) == 0;
}

}  // namespace

int renameEntry(const fs::path& from, const fs::path& to, unsigned int flags) {
  return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags);
}

void swapInBuiltContent(const fs::path& built, const fs::path& user, const Rename& rename) {
  fs::create_directories(user);
  const Step data = stepFor(built, user, "data");
  if (rename(data.from, data.to, data.flags) != 0)
    throw fs::filesystem_error(whatFailed(data), data.from, data.to, lastError());
  const Step blank = stepFor(built, user, "2 blank.gif");
  if (rename(blank.from, blank.to, blank.flags) != 0) {
    const std::error_code why = lastError();
    // Both or neither: the program is never left on a data folder of one
    // content beside another's "2 blank.gif".
    if (!undo(data, rename)) {
      throw PartlySwapped(std::string(whatFailed(blank)) +
                              ", and the data folder could not be put back: only the new data "
                              "folder is in place",
                          blank.from, blank.to, why);
    }
    throw fs::filesystem_error(whatFailed(blank), blank.from, blank.to, why);
  }
  syncFolder(user);
  syncFolder(built);
}

}  // namespace hifz
