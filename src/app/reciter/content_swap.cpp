#include "reciter/content_swap.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace hifz {
namespace fs = std::filesystem;
namespace {

std::string lowered(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return text;
}

// The entry of `folder` named `name` ignoring letter case, the exact spelling first.
fs::path existingEntry(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (fs::symlink_status(folder / name, error).type() != fs::file_type::not_found)
    return folder / name;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (lowered(entry.path().filename().string()) == lowered(name)) return entry.path();
  }
  return {};
}

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
    const fs::path present = existingEntry(user, name);
    if (present.empty()) {
      if (::rename(incoming.c_str(), (user / name).c_str()) != 0)
        fail("cannot move the new content into place", incoming, user / name);
    } else if (::renameat2(AT_FDCWD, incoming.c_str(), AT_FDCWD, present.c_str(),
                           RENAME_EXCHANGE) != 0) {
      fail("cannot exchange the new content for the old", incoming, present);
    }
  }
  syncFolder(user);
  syncFolder(built);
}

}  // namespace hifz
