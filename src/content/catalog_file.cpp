#include "content/catalog_file.h"

#include <algorithm>

#include "content/look.h"
#include "content/menu_paint.h"
#include "navigation/catalog_text.h"

namespace hifz::content {

QString groupTitle(const ContentGroup& group) {
  if (group.part > 0) return QString::fromUtf8("الجزء ") + arabicNumber(group.part);
  const auto original = std::find_if(kGroups.begin(), kGroups.end(),
                                     [&](const CatalogGroup& g) { return g.key == group.key; });
  return QString::fromUtf8(
      kGroupLabels[static_cast<std::size_t>(original - kGroups.begin())].title);
}

ContentFile catalogFile(std::span<const ContentGroup> groups, std::span<const ChapterText> texts) {
  Catalog catalog;
  for (const ContentGroup& group : groups) {
    catalog.groups.push_back({group.key, group.listMovie, groupTitle(group).toStdString()});
    for (const CatalogChapter& chapter : group.chapters) {
      const ChapterText& text = texts[static_cast<std::size_t>(chapter.surah - 1)];
      catalog.chapters.push_back({group.key, chapter.key, chapter.folder, chapter.surah,
                                  text.name.toStdString(), static_cast<int>(text.verses.size())});
    }
  }
  const std::string text = formatCatalog(catalog);
  return {std::string(kCatalogFileName), std::vector<std::uint8_t>(text.begin(), text.end())};
}

}  // namespace hifz::content
