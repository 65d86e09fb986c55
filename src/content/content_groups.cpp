#include "content/content_groups.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "content/content_error.h"
#include "content/quran_parts.h"

namespace hifz::content {
namespace {

constexpr int kAnNaba = 78;
constexpr int kChapters = 114;

bool plainName(const QString& name) {
  return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
    return (c.unicode() < 0x80 && c.isLetterOrNumber()) || c == ' ' || c == '-' || c == '\'';
  });
}

}  // namespace

std::string chapterFolderName(int surah, const QString& transliteration) {
  if (!plainName(transliteration)) {
    throw ContentError("chapter " + std::to_string(surah) + ": its name \"" +
                       transliteration.toStdString() + "\" cannot name a folder");
  }
  char number[8];
  std::snprintf(number, sizeof number, "%03d", surah);
  return std::string(number) + " " + transliteration.toStdString();
}

std::vector<ContentGroup> quranGroups(std::span<const ChapterText> texts) {
  if (texts.size() != kChapters) throw ContentError("the Quran text holds no 114 chapters");
  std::vector<ContentGroup> groups;
  for (const CatalogGroup& original : kGroups) {
    const std::span<const CatalogChapter> chapters = chaptersOf(original.key);
    groups.push_back({std::string(original.key),
                      std::string(original.listMovie),
                      0,
                      {chapters.begin(), chapters.end()}});
  }
  const ChapterText& naba = texts[kAnNaba - 1];
  ContentGroup& last = groups.back();
  last.chapters.push_back({last.key, std::to_string(last.chapters.size() + 1),
                           chapterFolderName(kAnNaba, naba.transliteration), kAnNaba});

  std::map<int, std::vector<int>, std::greater<>> byPart;
  for (int surah = 1; surah <= kChapters; ++surah) {
    if (surah != kAnNaba && !inOriginalCourse(surah)) byPart[partOfChapter(surah)].push_back(surah);
  }
  for (const auto& [part, surahs] : byPart) {
    ContentGroup group{std::to_string(part), "part" + std::to_string(part) + ".gif", part, {}};
    for (const int surah : surahs) {
      group.chapters.push_back({group.key, std::to_string(group.chapters.size() + 1),
                                chapterFolderName(surah, texts[surah - 1].transliteration), surah});
    }
    groups.push_back(std::move(group));
  }
  return groups;
}

bool withinOriginalCourse(const std::set<int>& surahs) {
  return std::all_of(surahs.begin(), surahs.end(), inOriginalCourse);
}

std::vector<ContentGroup> shownGroups(std::span<const ContentGroup> all,
                                      const std::set<int>& built) {
  std::vector<ContentGroup> shown;
  const bool original = withinOriginalCourse(built);
  for (const ContentGroup& group : all) {
    ContentGroup kept = group;
    if (original) {
      if (group.part != 0) continue;
      std::erase_if(kept.chapters,
                    [](const CatalogChapter& c) { return !inOriginalCourse(c.surah); });
    } else {
      std::erase_if(kept.chapters,
                    [&](const CatalogChapter& c) { return !built.contains(c.surah); });
      if (kept.chapters.empty()) continue;
    }
    shown.push_back(std::move(kept));
  }
  return shown;
}

std::vector<int> surahsOf(std::span<const ContentGroup> groups) {
  std::vector<int> surahs;
  for (const ContentGroup& group : groups) {
    for (const CatalogChapter& chapter : group.chapters) surahs.push_back(chapter.surah);
  }
  return surahs;
}

}  // namespace hifz::content
