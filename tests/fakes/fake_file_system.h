#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace hifz::testing {

/// Files in memory. Paths are matched as the real disk layer matches them:
/// '\' and '/' alike, repeated separators as one, letter case ignored.
class FakeFileSystem final : public FileSystem {
 public:
  /// Adds a file, and every folder above it.
  void addFile(const std::string& path, std::string contents = {});
  void addFolder(const std::string& path);

  bool folderExists(const std::string& path) const override;
  std::vector<std::string> fileNames(const std::string& folder) const override;
  std::optional<std::vector<std::uint8_t>> readFile(const std::string& path) const override;
  std::optional<std::uintmax_t> fileSize(const std::string& path) const override;
  /// How many bytes readFile() has handed out, for checks of bounded work.
  std::uintmax_t bytesRead() const { return bytesRead_; }

 private:
  std::set<std::string> folders_;                 // normalised
  std::map<std::string, std::string> fileNames_;  // normalised -> name as given
  std::map<std::string, std::string> contents_;   // normalised -> bytes
  mutable std::uintmax_t bytesRead_ = 0;
};

}  // namespace hifz::testing
