#include "sample_content/catalog.h"

#include <algorithm>
#include <stdexcept>

#include "navigation/chapter_catalog.h"

namespace hifz::content {

namespace {

// The chapter of each row of the program's catalog, in its order.
constexpr std::array<int, 37> kSurahs = {
    114, 113, 112, 111, 110, 109, 108, 107, 106, 105, 104, 103, 102, 101, 1,  // 1-1
    93,  94,  95,  96,  97,  98,  99,  100,                                   // 1-2
    92,  91,  90,  89,  88,  87,  86,  85,  84,                               // 2-1
    83,  82,  81,  80,  79,                                                   // 2-2
};

std::array<CatalogChapter, 37> fromProgramCatalog() {
  const auto rows = chapterCatalog();
  if (rows.size() != kSurahs.size()) throw std::logic_error("the catalog has changed");
  std::array<CatalogChapter, 37> chapters;
  for (std::size_t i = 0; i < rows.size(); ++i)
    chapters[i] = {rows[i].group, rows[i].key, rows[i].folder, kSurahs[i]};
  return chapters;
}

}  // namespace

const std::array<CatalogChapter, 37>& catalog() {
  static const std::array<CatalogChapter, 37> chapters = fromProgramCatalog();
  return chapters;
}

std::span<const CatalogChapter> chaptersOf(std::string_view group) {
  const auto& chapters = catalog();
  const auto first = std::find_if(chapters.begin(), chapters.end(),
                                  [&](const CatalogChapter& c) { return c.group == group; });
  const auto last = std::find_if(first, chapters.end(),
                                 [&](const CatalogChapter& c) { return c.group != group; });
  return {first, last};
}

std::string relativeFolder(const CatalogChapter& chapter) {
  return std::string(chapter.group) + "/" + std::string(chapter.folder);
}

}  // namespace hifz::content
