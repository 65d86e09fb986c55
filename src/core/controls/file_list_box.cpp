#include "controls/file_list_box.h"

#include <algorithm>

#include "controls/wildcard.h"

namespace hifz {

FileListBox::FileListBox(std::string name, const FileSystem& files)
    : Control(std::move(name), ControlKind::FileListBox), files_(files) {}

void FileListBox::setPath(const std::string& folder) {
  if (!files_.folderExists(folder)) throw FolderNotFound(folder);
  path_ = folder;
  notify(Property::Path);
  refresh();
}

void FileListBox::setPattern(std::string pattern, std::string excluded) {
  pattern_ = std::move(pattern);
  excluded_ = std::move(excluded);
  notify(Property::Pattern);
  refresh();
}

void FileListBox::setListIndex(int index) {
  assign(listIndex_, index >= 0 && index < listCount() ? index : -1, Property::ListIndex);
}

std::string FileListBox::fileName() const {
  return listIndex_ >= 0 ? entries_[listIndex_] : std::string();
}

void FileListBox::refresh() {
  entries_.clear();
  if (!path_.empty()) {
    for (std::string& name : files_.fileNames(path_))
      if (matchesFilePattern(name, pattern_) &&
          (excluded_.empty() || !matchesFilePattern(name, excluded_)))
        entries_.push_back(std::move(name));
    std::sort(entries_.begin(), entries_.end(), [](const std::string& a, const std::string& b) {
      // Names that differ only in letter case keep a fixed order.
      if (fileNameLess(a, b)) return true;
      return !fileNameLess(b, a) && a < b;
    });
  }
  listIndex_ = -1;
  notify(Property::Items);
}

}  // namespace hifz
