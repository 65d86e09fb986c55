#include "sample_content/catalog.h"

#include <gtest/gtest.h>

#include "navigation/chapter_catalog.h"

namespace hifz::content {
namespace {

TEST(SampleCatalog, NamesTheChaptersAndGroupsAsTheProgramDoes) {
  const auto program = chapterCatalog();
  ASSERT_EQ(program.size(), kCatalog.size());
  for (size_t i = 0; i < kCatalog.size(); ++i) {
    EXPECT_EQ(kCatalog[i].group, program[i].group) << i;
    EXPECT_EQ(kCatalog[i].key, program[i].key) << i;
    EXPECT_EQ(kCatalog[i].folder, program[i].folder) << i;
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
