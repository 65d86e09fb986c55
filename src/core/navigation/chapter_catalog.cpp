#include "navigation/chapter_catalog.h"

#include <algorithm>

namespace hifz {
namespace {

Catalog makeFixedCatalog() {
  Catalog catalog;
  for (const char* key : {"1-1", "1-2", "2-1", "2-2"})
    catalog.groups.push_back(
        {key, "verses" + std::to_string(catalog.groups.size() + 1) + ".gif", {}});
  struct Row {
    const char* group;
    const char* folder;
    int number;
  };
  // Folder names exactly as they lie on disk, spaces and letter case included.
  constexpr Row kRows[] = {
      {"1-1", "An Nas", 114},     {"1-1", "Al Falaq", 113},   {"1-1", "Iklas", 112},
      {"1-1", "al masad", 111},   {"1-1", "an naser", 110},   {"1-1", "al kaferoon", 109},
      {"1-1", "al kawthar", 108}, {"1-1", "al ma Own", 107},  {"1-1", "Quraish", 106},
      {"1-1", "Al feel", 105},    {"1-1", "Al Homazah", 104}, {"1-1", "Al asr", 103},
      {"1-1", "Al tkathor", 102}, {"1-1", "AlKare3h", 101},   {"1-1", "Al Fatihah", 1},
      {"1-2", "Adoha", 93},       {"1-2", "Ashrh", 94},       {"1-2", "Ateen", 95},
      {"1-2", "Alalq", 96},       {"1-2", "Alkdr", 97},       {"1-2", "AlBainh", 98},
      {"1-2", "Az Zlzalah", 99},  {"1-2", "AlAdiat", 100},    {"2-1", "Al lail", 92},
      {"2-1", "A sh shams", 91},  {"2-1", "Al balad", 90},    {"2-1", "al Fajr", 89},
      {"2-1", "Al Kashiah", 88},  {"2-1", "Al Ala", 87},      {"2-1", "at tariq", 86},
      {"2-1", "Al broj", 85},     {"2-1", "Al Inshiqak", 84}, {"2-2", "AlMotafifeen", 83},
      {"2-2", "AlInftar", 82},    {"2-2", "attkwer", 81},     {"2-2", "Absa", 80},
      {"2-2", "Annaziat", 79},
  };
  int key = 0;
  for (const Row& row : kRows) {
    const bool newGroup = catalog.chapters.empty() || catalog.chapters.back().group != row.group;
    key = newGroup ? 1 : key + 1;
    catalog.chapters.push_back({row.group, std::to_string(key), row.folder, row.number, {}, 0});
  }
  return catalog;
}

}  // namespace

const ChapterGroup* Catalog::findGroup(std::string_view key) const {
  const auto found = std::ranges::find(groups, key, &ChapterGroup::key);
  return found == groups.end() ? nullptr : &*found;
}

const ChapterRow* Catalog::findChapter(std::string_view group, std::string_view key) const {
  const auto found = std::ranges::find_if(
      chapters, [&](const ChapterRow& row) { return row.group == group && row.key == key; });
  return found == chapters.end() ? nullptr : &*found;
}

const ChapterRow* Catalog::chapterInFolder(std::string_view chapterFolder) const {
  const auto found = std::ranges::find_if(
      chapters, [&](const ChapterRow& row) { return ChapterFolder(row) == chapterFolder; });
  return found == chapters.end() ? nullptr : &*found;
}

const Catalog& fixedCatalog() {
  static const Catalog catalog = makeFixedCatalog();
  return catalog;
}

std::span<const ChapterGroup> chapterGroups() { return fixedCatalog().groups; }

std::span<const ChapterRow> chapterCatalog() { return fixedCatalog().chapters; }

std::string ChapterFolder(const ChapterRow& chapter) {
  return chapter.group + "\\" + chapter.folder + "\\";
}

}  // namespace hifz
