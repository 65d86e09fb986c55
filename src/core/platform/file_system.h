#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hifz {

/// The files the program reads. Paths are the program's own, Windows style
/// (backslash separators, any letter case); the implementation resolves them.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  /// True when `path` names an existing folder.
  virtual bool folderExists(const std::string& path) const = 0;
  /// Names of the regular files directly in the folder, in no particular order;
  /// empty when the folder does not exist.
  virtual std::vector<std::string> fileNames(const std::string& folder) const = 0;
  /// The whole file, or nothing when it is missing or unreadable.
  virtual std::optional<std::vector<std::uint8_t>> readFile(const std::string& path) const = 0;
  /// The file's size in bytes, or nothing when it is missing or no regular
  /// file; asked before reading a file that may be too large to read whole.
  virtual std::optional<std::uintmax_t> fileSize(const std::string& path) const = 0;
};

/// A file system with nothing in it.
class NullFileSystem final : public FileSystem {
 public:
  bool folderExists(const std::string&) const override { return false; }
  std::vector<std::string> fileNames(const std::string&) const override { return {}; }
  std::optional<std::vector<std::uint8_t>> readFile(const std::string&) const override {
    return std::nullopt;
  }
  std::optional<std::uintmax_t> fileSize(const std::string&) const override { return std::nullopt; }
};

}  // namespace hifz
