#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace hifz::content {

/// One chapter folder of the data folder: the group it lies in, the key its
/// group's chapter list sends for it, the folder's name and the chapter's
/// number in the Quran.
struct CatalogChapter {
  std::string group;
  std::string key;
  std::string folder;
  int surah = 0;
};

/// A chapter group: its key, sent by the top menu, and its chapter list movie.
struct CatalogGroup {
  std::string_view key;
  std::string_view listMovie;
};

inline constexpr std::array<CatalogGroup, 4> kGroups = {{
    {"1-1", "verses1.gif"},
    {"1-2", "verses2.gif"},
    {"2-1", "verses3.gif"},
    {"2-2", "verses4.gif"},
}};

/// The original course's 37 chapter folders, group by group, each group in
/// key order, with their chapters' numbers in the Quran.
const std::array<CatalogChapter, 37>& catalog();

/// Whether the chapter is one of the original course's 37.
bool inOriginalCourse(int surah);

/// The chapters of one group, in key order.
std::span<const CatalogChapter> chaptersOf(std::string_view group);

/// The folder of a chapter relative to the data folder: "1-1/An Nas".
std::string relativeFolder(const CatalogChapter& chapter);

}  // namespace hifz::content
