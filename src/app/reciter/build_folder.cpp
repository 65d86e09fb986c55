#include "reciter/build_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

#include "content/file_descriptor.h"

namespace hifz {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kPrefix = ".hifz-reciter-";
constexpr std::string_view kTemplate = "XXXXXX";
constexpr const char* kLockFile = ".lock";

// The parent folder is locked while a build folder is made and locked, and
// while it is swept: a sweep never finds a new folder before its lock is
// taken. The lock goes when the folder is closed.
bool lockParent(const content::FileDescriptor& parent) {
  return parent.get() >= 0 && ::flock(parent.get(), LOCK_EX) == 0;
}

int openFolder(const fs::path& folder) {
  return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

std::system_error lastError(const std::string& what) {
  return {errno, std::generic_category(), what};
}

}  // namespace

BuildFolder::BuildFolder(const fs::path& parent) {
  // Without the parent's lock the build goes on: a sweep that cannot take it
  // removes nothing.
  const content::FileDescriptor guard(openFolder(parent));
  lockParent(guard);
  std::string pattern = (parent / (std::string(kPrefix) + std::string(kTemplate))).string();
  if (::mkdtemp(pattern.data()) == nullptr) throw lastError("cannot make " + pattern);
  lock_ =
      ::open((fs::path(pattern) / kLockFile).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (lock_ < 0 || ::flock(lock_, LOCK_EX | LOCK_NB) != 0) {
    const std::system_error error = lastError("cannot lock " + pattern);
    if (lock_ >= 0) ::close(lock_);
    std::error_code ignored;
    fs::remove_all(pattern, ignored);
    throw error;
  }
  path_ = pattern;
}

BuildFolder::~BuildFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
  ::close(lock_);
}

std::vector<fs::path> removeLeftBuildFolders(const fs::path& parent) {
  std::vector<fs::path> removed;
  if (parent.empty()) return removed;
  const content::FileDescriptor guard(openFolder(parent));
  if (!lockParent(guard)) return removed;
  std::vector<fs::path> candidates;
  std::error_code error;
  for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    // Named as mkdtemp names them, and nothing else.
    const std::string name = it->path().filename().string();
    if (name.starts_with(kPrefix) && name.size() == kPrefix.size() + kTemplate.size() &&
        it->symlink_status(ignored).type() == fs::file_type::directory) {
      candidates.push_back(it->path());
    }
  }
  for (const fs::path& folder : candidates) {
    // Under the parent's lock a build in progress always holds its lock file:
    // a folder without one is from a run that ended before making it, or from
    // a version that made none.
    const content::FileDescriptor lock(
        ::open((folder / kLockFile).c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    const bool left =
        lock.get() >= 0 ? ::flock(lock.get(), LOCK_EX | LOCK_NB) == 0 : errno == ENOENT;
    if (!left) continue;
    std::error_code failed;
    fs::remove_all(folder, failed);
    if (!failed) removed.push_back(folder);
  }
  return removed;
}

}  // namespace hifz
