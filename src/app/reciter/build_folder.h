#pragma once

#include <filesystem>
#include <vector>

namespace hifz {

/// The hidden folder a reciter's content is built in, beside the user's
/// content folder. It holds a lock file, locked for as long as the build
/// lives, so that another instance sweeping at its start never takes a folder
/// still in use.
class BuildFolder {
 public:
  /// Makes a new build folder in `parent`. Throws std::system_error when it
  /// cannot.
  explicit BuildFolder(const std::filesystem::path& parent);
  /// Removes the folder with everything in it, then lets its lock go.
  ~BuildFolder();
  BuildFolder(const BuildFolder&) = delete;
  BuildFolder& operator=(const BuildFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  int lock_ = -1;
};

/// Removes the build folders in `parent` that no build holds: those left by a
/// run that ended without removing them (killed, or older than the lock).
/// Returns their paths. Nothing is removed when `parent` cannot be locked.
std::vector<std::filesystem::path> removeLeftBuildFolders(const std::filesystem::path& parent);

}  // namespace hifz
