#include "recitation/remembered_reading.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "test_program.h"

namespace hifz {
namespace {

using ::testing::IsEmpty;
using ::testing::Pair;
using testing::TestProgram;
using ::testing::UnorderedElementsAre;

const std::string kData = "C:\\Hifz\\data\\";
using Kept = std::map<std::string, std::string>;

/// One run of the program on settings kept from earlier runs.
class ProgramRun {
 public:
  explicit ProgramRun(const Kept& kept) {
    program.settings.kept = kept;
    for (const std::string folder : {"1-1\\An Nas\\", "1-1\\Al Falaq\\"})
      for (const std::string name : {"menu.gif", "7-1.gif", "8-1.gif", "9-1.gif"})
        program.files.addFile(kData + folder + name);
    program.load();
  }
  Form1& form() { return *program.form; }
  void openChapter(const std::string& key) {
    program.slot(form1::verses1).raiseFSCommand("click", key);
  }
  void clickVerse(const std::string& verse) {
    program.slot(form1::flash1).raiseFSCommand("click", verse);
  }
  const Kept& kept() const { return program.settings.kept; }

  TestProgram program;
};

// The learner's way of reading, chosen in one run, is there in the next; a
// chapter's range comes back when the chapter is chosen again.
TEST(RememberedReading, WhatTheLearnerChoseIsThereInTheNextRun) {
  Kept kept;
  {
    ProgramRun first(kept);
    first.form()[form1::Label9].click();
    first.form()[form1::Label9].click();
    first.form()[form1::Image5[1]].click();
    first.form()[form1::Check1].setValue(0);
    first.openChapter("1");
    first.form()[form1::Image26].click();
    first.clickVerse("7");
    first.clickVerse("9");
    EXPECT_THAT(
        first.kept(),
        UnorderedElementsAre(Pair("reading/repeat", "3"), Pair("reading/pause", "2"),
                             Pair("reading/autoStart", "false"), Pair("ranges/114", "7 9 drill")));
    kept = first.kept();
  }
  ProgramRun second(kept);
  Form1& form = second.form();
  EXPECT_EQ(form[form1::Repeat].text(), "3");
  EXPECT_EQ(form[form1::Check4].value(), 1);
  EXPECT_EQ(form[form1::Label7].caption(), "2");
  EXPECT_EQ(form[form1::Text1].text(), "2000");
  EXPECT_EQ(form[form1::Check1].value(), 0);
  EXPECT_EQ(second.program.settings.writes, 0);

  // Another chapter shows no range; this one shows its own, ready to be read.
  second.openChapter("2");
  EXPECT_EQ(form[form1::Label4].caption(), "0");
  EXPECT_EQ(form[form1::Label5].caption(), "0");
  form[form1::Label4].click();
  EXPECT_EQ(form.state().RangeMode, 0);
  second.openChapter("1");
  EXPECT_EQ(form[form1::Label4].caption(), "7");
  EXPECT_EQ(form[form1::Label5].caption(), "9");
  EXPECT_EQ(form[form1::Check5].value(), 1);
  EXPECT_EQ(form[form1::Check3].value(), 0);
  EXPECT_EQ(second.program.settings.writes, 0);

  form[form1::Label5].click();
  EXPECT_EQ(form.state().RangeMode, 1);
  EXPECT_TRUE(form[form1::playing].visible());
  // 7; 8, then 7..8; 9, then 7..9.
  EXPECT_EQ(form[form1::List1].listCount(), 8);
  EXPECT_EQ(form[form1::Label4].caption(), "7");
  EXPECT_EQ(form[form1::Label5].caption(), "7");
}

// The learner's turn options come back as they were left, and one never
// touched is not written.
TEST(RememberedReading, TheTurnOptionsAreThereInTheNextRun) {
  Kept kept;
  {
    ProgramRun first(kept);
    first.form()[form1::RecordTurnOption].click();
    first.form()[form1::EndOnSilenceOption].click();
    first.form()[form1::EndOnSilenceOption].click();
    EXPECT_THAT(first.kept(), UnorderedElementsAre(
                                  Pair("reading/repeat", "1"), Pair("reading/pause", "off"),
                                  Pair("turn/record", "true"), Pair("turn/endOnSilence", "false")));
    kept = first.kept();
  }
  ProgramRun second(kept);
  Form1& form = second.form();
  EXPECT_EQ(form[form1::RecordTurn].value(), 1);
  EXPECT_EQ(form[form1::RecordTurnOption].caption(), "☑ سجّل دوري");
  EXPECT_EQ(form[form1::EndOnSilence].value(), 0);
  EXPECT_EQ(form[form1::HideVerse].value(), 0);
  EXPECT_EQ(second.program.settings.writes, 0);
}

// Kept settings that make no sense are set aside whole, with the reason; the
// program starts as it always did, and the next change starts them afresh.
TEST(RememberedReading, NonsenseIsSetAsideWholeAndReplacedOnTheNextChange) {
  const std::vector<Kept> nonsense = {
      {{"reading/repeat", "banana"}},  {{"reading/repeat", "100"}},
      {{"reading/pause", "0"}},        {{"reading/autoStart", "maybe"}},
      {{"chapters/nearest", "1-1.1"}}, {{"ranges/1-1.1", "9 7 once"}},
      {{"ranges/1-1.1", "0 7 once"}},  {{"ranges/1-1.1", "7 9 sometimes"}},
      {{"ranges/1-1.1", "7 9"}},       {{"ranges/9-9.1", "7 9 once"}},
      {{"reading/speed", "2"}},        {{"reading/repeat", "07"}},
      {{"turn/record", "yes"}},        {{"turn/louder", "true"}},
  };
  for (Kept kept : nonsense) {
    SCOPED_TRACE(kept.begin()->first + " = " + kept.begin()->second);
    kept.emplace("reading/pause", "5");
    ProgramRun run(kept);
    EXPECT_EQ(run.program.settings.discarded.size(), 1U);
    EXPECT_EQ(run.form()[form1::Check4].value(), 0);
    EXPECT_EQ(run.form()[form1::Label7].caption(), "1");
    EXPECT_EQ(run.form()[form1::Repeat].text(), "1");
    EXPECT_EQ(run.program.settings.writes, 0);
    run.form()[form1::Label9].click();
    EXPECT_THAT(run.kept(),
                UnorderedElementsAre(Pair("reading/repeat", "2"), Pair("reading/pause", "off")));
  }
}

// A range is checked against its chapter's verses when the chapter is opened:
// one past the chapter's last verse, or in a chapter whose folder shows no
// verse, is set aside alone, with why, and the chapter has no last range. The
// verses of An Nas here go up to 9.
TEST(RememberedReading, ARangeTheChapterDoesNotHoldIsSetAsideAlone) {
  struct Case {
    const char* chapter;  // its key in the first group's list
    const char* range;
    const char* shown;  // the range labels' captions
    const char* why;    // "" when the range is used
  };
  const Case cases[] = {
      {"1", "7 9 drill", "7 9", ""},
      {"1", "9 9 once", "9 9", ""},
      {"1", "1 8 endless", "1 8", ""},
      {"1", "7 32767 drill", "0 0", "it goes past its chapter's last verse, 9"},
      {"1", "7 10 once", "0 0", "it goes past its chapter's last verse, 9"},
      {"1", "10 12 endless", "0 0", "it goes past its chapter's last verse, 9"},
      {"3", "1 1 once", "0 0", "its chapter's folder shows no verse"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.chapter) + ": " + c.range);
    const std::string key = std::string("ranges/1-1.") + c.chapter;
    ProgramRun run({{"reading/repeat", "4"}, {key, c.range}, {"ranges/1-1.2", "8 9 once"}});
    run.program.files.addFolder(kData + "1-1\\Iklas\\");
    Form1& form = run.form();
    run.openChapter(c.chapter);
    EXPECT_EQ(form[form1::Label4].caption() + " " + form[form1::Label5].caption(), c.shown);
    EXPECT_THAT(run.program.settings.discarded, IsEmpty());
    if (std::string(c.why).empty()) {
      EXPECT_THAT(run.program.settings.discardedValues, IsEmpty());
      continue;
    }
    EXPECT_THAT(run.program.settings.discardedValues, UnorderedElementsAre(Pair(key, c.why)));
    form[form1::Label4].click();
    EXPECT_EQ(form.state().RangeMode, 0);
    EXPECT_EQ(form[form1::List1].listCount(), 0);
    // The rest of what was kept is used as before, and the next change drops
    // the range from the settings.
    EXPECT_EQ(form[form1::Repeat].text(), "4");
    run.openChapter("2");
    EXPECT_EQ(form[form1::Label4].caption(), "8");
    EXPECT_EQ(run.program.settings.writes, 0);
    form[form1::Label9].click();
    EXPECT_THAT(run.kept(),
                UnorderedElementsAre(Pair("reading/repeat", "5"), Pair("reading/pause", "off"),
                                     Pair("ranges/113", "8 9 once")));
  }
}

// Earlier versions kept the last chapter opened; it was never read again. A
// settings file that holds it is used without a word, and the next change
// drops it.
TEST(RememberedReading, TheLastChapterKeptByAnEarlierVersionIsDroppedQuietly) {
  for (const char* chapter : {"1-1.1", "1-1.99"}) {
    SCOPED_TRACE(chapter);
    ProgramRun run(
        {{"chapters/last", chapter}, {"reading/repeat", "4"}, {"ranges/1-1.1", "7 9 once"}});
    EXPECT_THAT(run.program.settings.discarded, IsEmpty());
    EXPECT_EQ(run.form()[form1::Repeat].text(), "4");
    run.openChapter("1");
    EXPECT_EQ(run.form()[form1::Label4].caption(), "7");
    EXPECT_EQ(run.program.settings.writes, 0);
    run.form()[form1::Label9].click();
    EXPECT_THAT(run.kept(),
                UnorderedElementsAre(Pair("reading/repeat", "5"), Pair("reading/pause", "off"),
                                     Pair("ranges/114", "7 9 once")));
  }
}

struct FormerKeysCase {
  Kept kept;
  const char* shown;  // An Nas's range labels once it is opened
  Kept afterAChange;  // the ranges kept after the next change
};

// Ranges kept by earlier versions under a group and a key are read as the
// original course's chapters, and move to their chapters' numbers at the next
// change; a range kept under the number already is the newer one.
TEST(RememberedReading, RangesKeptUnderFormerKeysMoveToChapterNumbers) {
  const FormerKeysCase cases[] = {
      {{{"ranges/1-1.1", "7 9 once"}}, "7 9", {{"ranges/114", "7 9 once"}}},
      {{{"ranges/1-1.1", "7 9 once"}, {"ranges/114", "8 9 drill"}},
       "8 9",
       {{"ranges/114", "8 9 drill"}}},
      {{{"ranges/2-2.5", "1 3 endless"}, {"ranges/1-2.8", "2 4 once"}},
       "0 0",
       {{"ranges/79", "1 3 endless"}, {"ranges/100", "2 4 once"}}},
      {{{"ranges/78", "1 40 once"}}, "0 0", {{"ranges/78", "1 40 once"}}},
  };
  for (const FormerKeysCase& c : cases) {
    SCOPED_TRACE(c.kept.begin()->first);
    ProgramRun run(c.kept);
    EXPECT_THAT(run.program.settings.discarded, IsEmpty());
    run.openChapter("1");
    Form1& form = run.form();
    EXPECT_EQ(form[form1::Label4].caption() + " " + form[form1::Label5].caption(), c.shown);
    EXPECT_EQ(run.program.settings.writes, 0);
    form[form1::Label9].click();
    Kept expected = c.afterAChange;
    expected.emplace("reading/repeat", "2");
    expected.emplace("reading/pause", "off");
    EXPECT_EQ(run.kept(), expected);
  }
}

TEST(RememberedReading, ARangeKeyMustNameAChapter) {
  for (const char* key : {"ranges/0", "ranges/115", "ranges/078", "ranges/1-1.16", "ranges/"}) {
    SCOPED_TRACE(key);
    ProgramRun run(Kept{{key, "1 2 once"}});
    EXPECT_EQ(run.program.settings.discarded.size(), 1U);
  }
}

// Content with a catalog of its own finds a chapter's range by the chapter's
// number, whatever group and key the catalog gives it.
TEST(RememberedReading, AChaptersRangeFollowsItsNumberIntoAnotherCatalog) {
  TestProgram program;
  program.settings.kept = {{"ranges/114", "2 5 drill"}, {"ranges/1-1.2", "1 3 once"}};
  program.files.addFile(kData + "catalog.txt",
                        "hifz-catalog\t1\ngroup\t30\tlist30.gif\tجزء عم\n"
                        "chapter\t1\t113 Al-Falaq\t113\tالفلق\t5\n"
                        "chapter\t2\t114 An-Nas\t114\tالناس\t6\n");
  for (const std::string folder : {"30\\113 Al-Falaq\\", "30\\114 An-Nas\\"})
    for (const std::string name : {"menu.gif", "1-1.gif", "5-1.gif"})
      program.files.addFile(kData + folder + name);
  program.load();
  ASSERT_THAT(program.diagnostics.lines, IsEmpty());
  Form1& form = *program.form;
  program.slot(form1::verses1).raiseFSCommand("click", "2");
  EXPECT_EQ(form[form1::Label4].caption() + " " + form[form1::Label5].caption(), "2 5");
  program.slot(form1::verses1).raiseFSCommand("click", "1");
  EXPECT_EQ(form[form1::Label4].caption() + " " + form[form1::Label5].caption(), "1 3");
  form[form1::Image26].click();
  program.slot(form1::flash1).raiseFSCommand("click", "1");
  program.slot(form1::flash1).raiseFSCommand("click", "5");
  EXPECT_EQ(program.settings.kept,
            (Kept{{"ranges/114", "2 5 drill"}, {"ranges/113", "1 5 drill"}}));
}

TEST(RememberedReading, KeysOfOtherPartsOfTheProgramAreLeftAlone) {
  ProgramRun run({{"notices/sampleContentShown", "true"}, {"reading/repeat", "4"}});
  EXPECT_THAT(run.program.settings.discarded, IsEmpty());
  EXPECT_EQ(run.form()[form1::Repeat].text(), "4");
}

}  // namespace
}  // namespace hifz
