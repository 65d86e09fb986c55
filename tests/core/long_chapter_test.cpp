#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "navigation/chapter_catalog.h"
#include "recitation/chapter_verses.h"
#include "recitation/verse_code.h"
#include "recitation_fixture.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using testing::Load;

constexpr int kFixed = 0;  // the fixed catalog, which knows no verse count

// The fixture's chapter, "1-1\An Nas\", as a content catalog gives it with a
// verse count of its own.
class LongChapter : public testing::RecitationTest {
 protected:
  void holding(int verses) {
    if (verses == kFixed) {
      form().setCatalog(fixedCatalog());
      return;
    }
    Catalog catalog;
    catalog.groups = {{"1-1", "verses1.gif", "title"}};
    catalog.chapters = {{"1-1", "1", "An Nas", 2, "البقرة", verses}};
    form().setCatalog(catalog);
  }
  std::vector<std::string> read() {
    std::vector<std::string> names;
    for (const auto& [time, name] : loads)
      if (name.find('-') != std::string::npos && name != "2 blank.gif") names.push_back(name);
    return names;
  }
};

TEST(VerseCodePastTheOriginalCourse, VersesFrom48On) {
  const std::pair<int, const char*> cases[] = {{47, "zd"},     {48, "zz048"},  {99, "zz099"},
                                               {100, "zz100"}, {255, "zz255"}, {286, "zz286"},
                                               {287, ""}};
  for (const auto& [verse, code] : cases) EXPECT_EQ(VerseCode(verse), code) << verse;
}

struct VerseKeyCase {
  int verses;
  const char* args;
  const char* pattern;  // File1's pattern afterwards
};

TEST_F(LongChapter, VerseKeysReachTheChaptersVerseCount) {
  const VerseKeyCase cases[] = {
      {286, "286", "zz286-*.gif"}, {286, "287", "before"},     {286, "48", "zz048-*.gif"},
      {286, "97", "zz097-*.gif"},  {286, "99", "zz099-*.gif"}, {286, "255", "zz255-*.gif"},
      {286, "047", "before"},      {286, "1000", "before"},    {30, "30", "u-*.gif"},
      {30, "31", "before"},        {6, "6", "6-*.gif"},        {6, "7", "before"},
      {kFixed, "47", "zd-*.gif"},  {kFixed, "48", "before"},
  };
  for (const VerseKeyCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.verses) + " verses, key " + c.args);
    holding(c.verses);
    form()[form1::File1].setPattern("before");
    form()[form1::Check2].setValue(0);
    form()[form1::Check2].setValue(1);
    click(c.args);
    EXPECT_EQ(form()[form1::File1].pattern(), c.pattern);
    EXPECT_EQ(caption(form1::Label4), std::string(c.pattern) == "before" ? "0" : c.args);
  }
}

struct PageKeyCase {
  int verses;
  const char* args;
  const char* page;  // "" when the key shows no page
};

TEST_F(LongChapter, PageKeysShowEveryPageOfTheChapter) {
  const PageKeyCase cases[] = {
      {286, "page1", "Menu.gif"},
      {286, "page2", "Menu2.gif"},
      {286, "PAGE12", "Menu12.gif"},
      {286, "page286", "Menu286.gif"},
      {286, "page287", ""},
      {286, "page0", ""},
      {286, "page04", ""},
      {286, "page", ""},
      {286, "97", ""},
      {286, "98", ""},
      {96, "97", "Menu3.gif"},
      {96, "98", "Menu.gif"},
      {96, "page5", "Menu5.gif"},
      {6, "99", "Menu2.gif"},
      {6, "page3", "Menu3.gif"},
      {kFixed, "97", "Menu3.gif"},
      {kFixed, "page2", "Menu2.gif"},
      {kFixed, "page4", ""},
  };
  for (const PageKeyCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.verses) + " verses, key " + c.args);
    holding(c.verses);
    state().MenuMovie = "before";
    form()[form1::Check2].setValue(0);
    loads.clear();
    flash1().raiseFSCommand("click", c.args);
    if (std::string(c.page).empty()) {
      EXPECT_EQ(state().MenuMovie, "before");
      continue;
    }
    EXPECT_THAT(loads, ElementsAre(Load{0, "2 blank.gif"}, Load{0, c.page}));
    EXPECT_EQ(state().MenuMovie, c.page);
    // The return to the chapter menu shows that page again.
    loads.clear();
    form().run(form1::Menu);
    EXPECT_EQ(loads.back(), (Load{0, c.page}));
  }
}

TEST_F(LongChapter, ARangeMayCrossPagesAndVerse47) {
  holding(286);
  addMovies({"z9-001.gif", "za-001.gif", "zd-001.gif", "zz048-001.gif", "zz048-002.gif",
             "zz049-001.gif", "zz050-001.gif"});
  form()[form1::Command3].setValue(true);
  click("43");
  click("page2");
  patterns.clear();
  click("49");
  EXPECT_EQ(caption(form1::Label4), "43");
  EXPECT_EQ(caption(form1::Label5), "49");
  EXPECT_THAT(patterns, ElementsAre("zz049-*.gif", "z9-*.*", "za-*.*", "zb-*.*", "zc-*.*", "zd-*.*",
                                    "zz048-*.*", "zz049-*.*"));
  EXPECT_THAT(form()[form1::List1].listCount(), 6);
  advance(10000);
  EXPECT_THAT(read(), ElementsAre("z9-001.gif", "za-001.gif", "zd-001.gif", "zz048-001.gif",
                                  "zz048-002.gif", "zz049-001.gif", "zz049-001.gif"));
}

TEST_F(LongChapter, WithoutAWholeChapterMovieTheWholeChapterIsReadVerseByVerseOnce) {
  holding(286);
  addMovies({"1-001.gif", "2-001.gif", "zd-001.gif", "zz048-001.gif", "zz286-001.gif", "menu.gif",
             "words.gif", "Othmani.gif"});
  form()[form1::Repeat].setText("1");
  form()[form1::Image4].click();
  EXPECT_EQ(caption(form1::kind), "all");
  advance(10000);
  EXPECT_THAT(read(), ElementsAre("1-001.gif", "2-001.gif", "zd-001.gif", "zz048-001.gif",
                                  "zz286-001.gif"));
  // Once: the chapter's menu is back.
  EXPECT_EQ(loads.back().second, "Menu.gif");
}

TEST(LastVerseOfAFolder, CountsVersesPast47) {
  const std::pair<std::vector<std::string>, int> cases[] = {
      {{"1-001.gif", "zd-001.gif"}, 47},
      {{"1-001.gif", "zz048-001.gif", "zz286-002.gif", "1-all.gif"}, 286},
      {{"zz100-001.gif", "menu.gif"}, 100},
  };
  for (const auto& [names, last] : cases) EXPECT_EQ(lastVerseOf(names), last) << names.back();
}

}  // namespace
}  // namespace hifz
