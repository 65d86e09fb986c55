#include "content/catalog.h"

#include <algorithm>
#include <stdexcept>

#include "navigation/chapter_catalog.h"

namespace hifz::content {

namespace {

std::array<CatalogChapter, 37> fromProgramCatalog() {
  const auto rows = chapterCatalog();
  std::array<CatalogChapter, 37> chapters;
  if (rows.size() != chapters.size()) throw std::logic_error("the catalog has changed");
  for (std::size_t i = 0; i < rows.size(); ++i)
    chapters[i] = {rows[i].group, rows[i].key, rows[i].folder, rows[i].number};
  return chapters;
}

}  // namespace

const std::array<CatalogChapter, 37>& catalog() {
  static const std::array<CatalogChapter, 37> chapters = fromProgramCatalog();
  return chapters;
}

bool inOriginalCourse(int surah) {
  return std::any_of(catalog().begin(), catalog().end(),
                     [surah](const CatalogChapter& chapter) { return chapter.surah == surah; });
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
