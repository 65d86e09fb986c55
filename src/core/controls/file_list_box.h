#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "controls/control.h"
#include "platform/file_system.h"

namespace hifz {

/// Raised when a file list is pointed at a folder that does not exist.
class FolderNotFound : public std::runtime_error {
 public:
  explicit FolderNotFound(const std::string& path)
      : std::runtime_error("folder not found: " + path) {}
};

/// The names of the files of one folder that match a pattern, and not an
/// excluded pattern, sorted by name ignoring letter case. The list is read
/// again whenever Path or Pattern is set, and no entry is selected after that.
class FileListBox final : public Control {
 public:
  FileListBox(std::string name, const FileSystem& files);
  const std::string& path() const { return path_; }
  /// Points the list at a folder; throws FolderNotFound, leaving the list as it was.
  void setPath(const std::string& folder);
  const std::string& pattern() const { return pattern_; }
  /// Lists the names matching `pattern` but not `excluded` ("" excludes nothing).
  void setPattern(std::string pattern, std::string excluded = {});
  const std::string& excludedPattern() const { return excluded_; }
  const std::vector<std::string>& entries() const { return entries_; }
  int listCount() const { return static_cast<int>(entries_.size()); }
  int listIndex() const { return listIndex_; }
  /// Selects an entry; an index outside the list selects none.
  void setListIndex(int index);
  /// The selected entry's name, empty when none is selected.
  std::string fileName() const;

 private:
  void refresh();

  const FileSystem& files_;
  std::string path_;
  std::string pattern_ = "*.*";
  std::string excluded_;
  std::vector<std::string> entries_;
  int listIndex_ = -1;
};

}  // namespace hifz
