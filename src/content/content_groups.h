#pragma once

#include <QString>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "content/catalog.h"
#include "content/quran_text.h"

namespace hifz::content {

/// A group of the menu screen as content lays it out.
struct ContentGroup {
  std::string key;        // what the top menu sends: "1-1", "29"
  std::string listMovie;  // its chapter list: "verses1.gif", "part29.gif"
  int part = 0;           // the part (juz') its chapters begin in; 0 for the original four
  std::vector<CatalogChapter> chapters;  // in key order
};

/// The folder of a chapter beyond the original 37, number and name:
/// "067 Al-Mulk". Throws ContentError for a name that is not plain letters,
/// spaces, hyphens and apostrophes.
std::string chapterFolderName(int surah, const QString& transliteration);

/// Where every chapter of the Quran lies, groups in menu order: the original
/// four as the program has always had them, An Naba joining "2-2" as key "6";
/// then, from the 29th part down to the first, a group of the chapters that
/// begin in the part, keyed by its number, its chapters keyed "1", "2", ...
/// in order. `texts` are the 114 chapters, in order.
std::vector<ContentGroup> quranGroups(std::span<const ChapterText> texts);

/// True when every chapter of `surahs` is one of the original 37: such content
/// is laid out as it always was, the four groups with all their chapters.
bool withinOriginalCourse(const std::set<int>& surahs);

/// The groups content of the chapters `built` shows, in menu order. Within
/// the original course, the original four groups whole; beyond it, each
/// group that holds a built chapter, with only its built chapters.
std::vector<ContentGroup> shownGroups(std::span<const ContentGroup> all,
                                      const std::set<int>& built);

/// The chapter numbers of the groups, in menu order.
std::vector<int> surahsOf(std::span<const ContentGroup> groups);

}  // namespace hifz::content
