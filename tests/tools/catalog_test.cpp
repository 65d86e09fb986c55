#include "content/catalog.h"

#include <gtest/gtest.h>

#include "navigation/chapter_catalog.h"

namespace hifz::content {
namespace {

TEST(SampleCatalog, NamesTheChaptersAndGroupsAsTheProgramDoes) {
  const auto program = chapterCatalog();
  const std::pair<std::string_view, int> spotChecks[] = {
      {"An Nas", 114}, {"Al Fatihah", 1}, {"Adoha", 93}, {"Al lail", 92}, {"Annaziat", 79}};
  for (const auto& [folder, surah] : spotChecks) {
    const auto found = std::find_if(catalog().begin(), catalog().end(),
                                    [&](const CatalogChapter& c) { return c.folder == folder; });
    ASSERT_NE(found, catalog().end()) << folder;
    EXPECT_EQ(found->surah, surah) << folder;
  }
  const auto groups = chapterGroups();
  ASSERT_EQ(groups.size(), kGroups.size());
  for (size_t i = 0; i < kGroups.size(); ++i) {
    EXPECT_EQ(kGroups[i].key, groups[i].key);
    EXPECT_EQ(kGroups[i].listMovie, groups[i].listMovie);
    EXPECT_EQ(chaptersOf(kGroups[i].key).size(),
              static_cast<size_t>(std::count_if(
                  program.begin(), program.end(),
                  [&](const ChapterRow& row) { return row.group == kGroups[i].key; })));
  }
}

}  // namespace
}  // namespace hifz::content
