#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "navigation/chapter_catalog.h"
#include "navigation/chapter_list_slots.h"
#include "test_program.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TestProgram;

const std::string kData = "C:\\Hifz\\data\\";
const std::string kBlank = "C:\\Hifz\\2 blank.gif";

// Six groups: the four of the last part, then the 29th and the 28th parts.
const std::string kSixGroups =
    "hifz-catalog\t1\n"
    "group\t1-1\tverses1.gif\tأ\nchapter\t1\tAn Nas\t114\tالناس\t6\n"
    "group\t1-2\tverses2.gif\tب\nchapter\t1\tAdoha\t93\tالضحى\t11\n"
    "group\t2-1\tverses3.gif\tج\nchapter\t1\tAl lail\t92\tالليل\t21\n"
    "group\t2-2\tverses4.gif\tد\nchapter\t6\t078 An-Naba\t78\tالنبإ\t40\n"
    "group\t29\tlist29.gif\tهـ\nchapter\t1\t067 Al-Mulk\t67\tالملك\t30\n"
    "chapter\t2\t068 Al-Qalam\t68\tالقلم\t52\n"
    "group\t28\tlist28.gif\tو\nchapter\t1\t058 Al-Mujadila\t58\tالمجادلة\t22\n";

class ContentCatalog : public ::testing::Test {
 protected:
  void startOn(const std::string& catalog) {
    program.files.addFile(kData + "catalog.txt", catalog);
    for (const char* folder :
         {"1-1\\An Nas\\", "1-2\\Adoha\\", "2-1\\Al lail\\", "2-2\\078 An-Naba\\",
          "29\\067 Al-Mulk\\", "29\\068 Al-Qalam\\", "28\\058 Al-Mujadila\\"})
      program.files.addFile(kData + folder + "menu.gif");
    program.load();
  }
  Form1& form() { return *program.form; }
  testing::FakeMovieSlot& slot(ControlHandle<Form1, MovieSlot> handle) {
    return program.slot(handle);
  }
  void pickGroup(const std::string& key) { slot(form1::TopMenu).raiseFSCommand("click", key); }
  std::vector<std::string> listMovies() {
    std::vector<std::string> movies;
    for (const auto list : kChapterListSlots) movies.push_back(slot(list).movie());
    return movies;
  }
  TestProgram program;
};

TEST_F(ContentCatalog, StartUpLoadsTheFirstFourGroupsListsIntoTheFourSlots) {
  startOn(kSixGroups);
  EXPECT_THAT(program.diagnostics.lines, IsEmpty());
  EXPECT_EQ(form().catalog().groups.size(), 6u);
  EXPECT_THAT(listMovies(), ElementsAre(kData + "verses1.gif", kData + "verses2.gif",
                                        kData + "verses3.gif", kData + "verses4.gif"));
}

TEST_F(ContentCatalog, ALaterGroupsListIsLoadedIntoTheFirstSlotAndAnswersForThatGroup) {
  startOn(kSixGroups);
  testing::FakeMovieSlot& first = slot(form1::verses1);
  first.loads.clear();
  pickGroup("29");
  EXPECT_THAT(first.loads, ElementsAre(kBlank, kData + "list29.gif"));
  EXPECT_TRUE(form()[form1::verses1].visible());
  EXPECT_FALSE(form()[form1::Picture12].visible());

  first.raiseFSCommand("click", "2");
  EXPECT_EQ(form().state().CurrentChapter, "29\\068 Al-Qalam\\");
  EXPECT_EQ(slot(form1::flash1).movie(), kData + "29\\068 Al-Qalam\\menu.gif");
  EXPECT_TRUE(form().window().enabled());

  // Back to the chapter list: the 29th part's list is in view again.
  form()[form1::Image22].click();
  EXPECT_TRUE(form()[form1::Picture8].visible());
  EXPECT_TRUE(form()[form1::verses1].visible());
  EXPECT_EQ(first.movie(), kData + "list29.gif");
  first.raiseFSCommand("click", "1");
  EXPECT_EQ(form().state().CurrentChapter, "29\\067 Al-Mulk\\");
}

struct GroupPick {
  const char* group;
  ControlHandle<Form1, MovieSlot> shown;
  std::vector<std::string> firstSlotLoads;  // what the pick loads into "verses1"
  const char* chapterKey;
  const char* chapter;  // opened by that key in the shown list
};

TEST_F(ContentCatalog, EachPickShowsItsGroupsListWhereverTheFirstSlotWasBefore) {
  startOn(kSixGroups);
  const GroupPick picks[] = {
      {"1-1", form1::verses1, {}, "1", "1-1\\An Nas\\"},
      {"28", form1::verses1, {kBlank, kData + "list28.gif"}, "1", "28\\058 Al-Mujadila\\"},
      {"2-2", form1::verses4, {}, "6", "2-2\\078 An-Naba\\"},
      {"29", form1::verses1, {kBlank, kData + "list29.gif"}, "1", "29\\067 Al-Mulk\\"},
      {"29", form1::verses1, {}, "2", "29\\068 Al-Qalam\\"},
      {"1-2", form1::verses2, {}, "1", "1-2\\Adoha\\"},
      {"1-1", form1::verses1, {kBlank, kData + "verses1.gif"}, "1", "1-1\\An Nas\\"},
  };
  for (const GroupPick& pick : picks) {
    SCOPED_TRACE(pick.group);
    form()[form1::Image20].click();
    slot(form1::verses1).loads.clear();
    pickGroup(pick.group);
    EXPECT_EQ(slot(form1::verses1).loads, pick.firstSlotLoads);
    for (const auto list : kChapterListSlots)
      EXPECT_EQ(form()[list].visible(), list.name() == pick.shown.name()) << list.name();
    slot(pick.shown).raiseFSCommand("click", pick.chapterKey);
    EXPECT_EQ(form().state().CurrentChapter, pick.chapter);
  }
}

struct CreditsCase {
  const char* group;
  ControlHandle<Form1, MovieSlot> shown;
  bool creditsStay;
};

// A chapter that cannot be opened leaves the credits panel as the group's key
// says: gone for "2-1" and "2-2", whichever slot shows the list.
TEST_F(ContentCatalog, TheCreditsPanelGoesAtOnceForGroups21And22Only) {
  startOn(kSixGroups);
  const CreditsCase cases[] = {
      {"2-2", form1::verses4, false}, {"29", form1::verses1, true}, {"1-1", form1::verses1, true}};
  for (const CreditsCase& c : cases) {
    SCOPED_TRACE(c.group);
    form()[form1::Image20].click();
    pickGroup(c.group);
    form().state().CurrentChapter = "absent\\";
    slot(c.shown).raiseFSCommand("hover", "1");
    ASSERT_NE(program.dialog(), nullptr);
    EXPECT_EQ(form()[form1::Picture11].visible(), c.creditsStay);
    (*program.dialog())[msg_form::Command3].setValue(true);
  }
}

TEST_F(ContentCatalog, ACatalogThatCannotBeUsedIsNamedAndTheFixedCatalogHolds) {
  startOn(
      "hifz-catalog\t1\ngroup\t29\tlist29.gif\tهـ\nchapter\t1\t067 Al-Mulk\t67\tالملك\t30\n"
      "chapter\t2\t069 Al-Haqqah\t69\tالحاقة\t52\n");
  EXPECT_THAT(program.diagnostics.lines,
              ElementsAre("the content's catalog C:\\Hifz\\data\\catalog.txt is not used, as the "
                          "folder \"29\\069 Al-Haqqah\" of chapter 69 is not there; the 37 "
                          "chapters of the original course are offered instead"));
  EXPECT_EQ(form().catalog().chapters.size(), 37u);
  EXPECT_THAT(listMovies(), ElementsAre(kData + "verses1.gif", kData + "verses2.gif",
                                        kData + "verses3.gif", kData + "verses4.gif"));
  pickGroup("29");
  for (const auto list : kChapterListSlots) EXPECT_FALSE(form()[list].visible()) << list.name();
  pickGroup("1-1");
  slot(form1::verses1).raiseFSCommand("click", "1");
  EXPECT_EQ(form().state().CurrentChapter, "1-1\\An Nas\\");
}

TEST_F(ContentCatalog, WithFewerThanFourGroupsTheSlotsBeyondThemStayEmpty) {
  startOn("hifz-catalog\t1\ngroup\t29\tlist29.gif\tهـ\nchapter\t1\t067 Al-Mulk\t67\tالملك\t30\n");
  EXPECT_THAT(program.diagnostics.lines, IsEmpty());
  EXPECT_THAT(listMovies(), ElementsAre(kData + "list29.gif", "", "", ""));
  pickGroup("29");
  slot(form1::verses1).raiseFSCommand("click", "1");
  EXPECT_EQ(form().state().CurrentChapter, "29\\067 Al-Mulk\\");
  slot(form1::verses2).raiseFSCommand("click", "1");
  EXPECT_EQ(form().state().CurrentChapter, "29\\067 Al-Mulk\\");
}

}  // namespace
}  // namespace hifz
