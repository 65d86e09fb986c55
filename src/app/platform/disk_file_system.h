#pragma once

#include <filesystem>
#include <optional>

#include "platform/file_system.h"

namespace hifz {

/// Turns one of the program's Windows-style paths into a real path on a
/// case-sensitive disk: backslashes become '/', and each component is matched
/// ignoring letter case. Nothing when some component matches no entry.
std::optional<std::filesystem::path> resolveProgramPath(const std::string& programPath);

/// The real disk, reached through resolveProgramPath().
class DiskFileSystem final : public FileSystem {
 public:
  bool folderExists(const std::string& path) const override;
  std::vector<std::string> fileNames(const std::string& folder) const override;
  std::optional<std::vector<std::uint8_t>> readFile(const std::string& path) const override;
  std::optional<std::uintmax_t> fileSize(const std::string& path) const override;
};

}  // namespace hifz
