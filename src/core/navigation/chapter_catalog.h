#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hifz {

/// A chapter group: the key the top menu sends for it, its chapter list movie
/// in the data folder, and its title.
struct ChapterGroup {
  std::string key;
  std::string listMovie;
  std::string title;
};

/// One chapter: its group, the key its group's list sends for it, its
/// folder's name under the group's folder, its number in the Quran (1 to
/// 114), its Arabic name and its verse count (0 when unknown).
struct ChapterRow {
  std::string group;
  std::string key;
  std::string folder;
  int number = 0;
  std::string arabicName;
  int verses = 0;
};

/// What the content holds: its groups in menu order, and its chapters group
/// by group, each group's in list order.
struct Catalog {
  std::vector<ChapterGroup> groups;
  std::vector<ChapterRow> chapters;

  /// The group of that key, or null.
  const ChapterGroup* findGroup(std::string_view key) const;
  /// The chapter a group's list names by `key`, compared exactly, or null.
  const ChapterRow* findChapter(std::string_view group, std::string_view key) const;
  /// The chapter whose ChapterFolder() is `chapterFolder`, or null.
  const ChapterRow* chapterInFolder(std::string_view chapterFolder) const;
};

/// The 37 chapters of the original course in their four groups, as content
/// made before catalogs lays them out. Their names and verse counts are the
/// content's own and unknown here.
const Catalog& fixedCatalog();

/// The fixed catalog's four groups, in the order of their lists "verses1" to "verses4".
std::span<const ChapterGroup> chapterGroups();

/// The fixed catalog's 37 chapters, group by group.
std::span<const ChapterRow> chapterCatalog();

/// The chapter's folder within the data folder: group, '\', folder name, '\'.
std::string ChapterFolder(const ChapterRow& chapter);

}  // namespace hifz
