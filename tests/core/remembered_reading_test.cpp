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
                             Pair("reading/autoStart", "false"), Pair("chapters/last", "1-1.1"),
                             Pair("ranges/1-1.1", "7 9 drill")));
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
  EXPECT_EQ(second.kept().at("chapters/last"), "1-1.1");

  form[form1::Label5].click();
  EXPECT_EQ(form.state().RangeMode, 1);
  EXPECT_TRUE(form[form1::playing].visible());
  // 7; 8, then 7..8; 9, then 7..9.
  EXPECT_EQ(form[form1::List1].listCount(), 8);
  EXPECT_EQ(form[form1::Label4].caption(), "7");
  EXPECT_EQ(form[form1::Label5].caption(), "7");
}

// Kept settings that make no sense are set aside whole, with the reason; the
// program starts as it always did, and the next change starts them afresh.
TEST(RememberedReading, NonsenseIsSetAsideWholeAndReplacedOnTheNextChange) {
  const std::vector<Kept> nonsense = {
      {{"reading/repeat", "banana"}}, {{"reading/repeat", "12"}},
      {{"reading/pause", "0"}},       {{"reading/autoStart", "maybe"}},
      {{"chapters/last", "1-1.99"}},  {{"ranges/1-1.1", "9 7 once"}},
      {{"ranges/1-1.1", "0 7 once"}}, {{"ranges/1-1.1", "7 9 sometimes"}},
      {{"ranges/1-1.1", "7 9"}},      {{"ranges/9-9.1", "7 9 once"}},
      {{"reading/speed", "2"}},
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

TEST(RememberedReading, KeysOfOtherPartsOfTheProgramAreLeftAlone) {
  ProgramRun run({{"notices/sampleContentShown", "true"}, {"reading/repeat", "4"}});
  EXPECT_THAT(run.program.settings.discarded, IsEmpty());
  EXPECT_EQ(run.form()[form1::Repeat].text(), "4");
}

}  // namespace
}  // namespace hifz
