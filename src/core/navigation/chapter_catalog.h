#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "shell/form1_inventory.h"

namespace hifz {

/// A chapter group, the slot of its chapter list and the list's movie.
struct ChapterGroup {
  std::string_view key;
  ControlHandle<Form1, MovieSlot> listSlot;
  std::string_view listMovie;
};

/// One chapter: the key its group's list sends for it and its folder's name.
struct ChapterRow {
  std::string_view group;
  std::string_view key;
  std::string_view folder;
};

/// The four groups, in the order of their lists "verses1" to "verses4".
std::span<const ChapterGroup> chapterGroups();

/// The 37 chapters the program carries, group by group.
std::span<const ChapterRow> chapterCatalog();

/// The chapter's folder within the data folder: group, '\', folder name, '\'.
std::string ChapterFolder(const ChapterRow& chapter);

/// The chapter a group's list names by `key`, compared exactly.
std::optional<ChapterRow> findChapter(std::string_view group, std::string_view key);

}  // namespace hifz
