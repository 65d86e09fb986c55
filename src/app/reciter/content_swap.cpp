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

void fail(const char* what, const fs::path& from, const fs::path& to) {
  throw fs::filesystem_error(what, from, to, std::error_code(errno, std::generic_category()));
}

void syncFolder(const fs::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

void swapInBuiltContent(const fs::path& built, const fs::path& user) {
  fs::create_directories(user);
  for (const char* name : {"data", "2 blank.gif"}) {
    const fs::path incoming = built / name;
    // The entry there in any letter case, as the program itself would find it.
    const std::optional<fs::path> present = resolveProgramPath((user / name).string());
    if (!present) {
      if (::rename(incoming.c_str(), (user / name).c_str()) != 0)
        fail("cannot move the new content into place", incoming, user / name);
    } else if (::renameat2(AT_FDCWD, incoming.c_str(), AT_FDCWD, present->c_str(),
                           RENAME_EXCHANGE) != 0) {
      fail("cannot exchange the new content for the old", incoming, *present);
    }
  }
  syncFolder(user);
  syncFolder(built);
}

}  // namespace hifz
