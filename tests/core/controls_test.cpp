#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "controls/countdown.h"
#include "controls/file_list_box.h"
#include "controls/number_text.h"
#include "controls/simple_controls.h"
#include "controls/timer.h"
#include "controls/wildcard.h"
#include "fake_file_system.h"
#include "virtual_clock.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct PatternCase {
  const char* name;
  const char* pattern;
  bool matches;
};

TEST(FilePattern, MatchesWindowsWildcardsIgnoringCase) {
  const PatternCase cases[] = {
      {"1-001.gif", "?-???.gif;??-???.gif", true},
      {"z1-001.gif", "?-???.gif;??-???.gif", true},
      {"za-002.GIF", "?-???.gif;??-???.gif", true},
      {"1-all.gif", "?-???.gif;??-???.gif", true},
      {"z12-001.gif", "?-???.gif;??-???.gif", false},
      {"1-0001.gif", "?-???.gif;??-???.gif", false},
      {"menu.gif", "?-???.gif;??-???.gif", false},
      {"k-001.gif", "k-*.gif", true},
      {"K-001.GIF", "k-*.gif", true},
      {"k-.gif", "k-*.gif", true},
      {"ka-001.gif", "k-*.gif", false},
      {"Othmani.gif", "othmani*.*", true},
      {"othmani2.swf", "othmani*.*", true},
      {"othmani", "othmani*.*", true},
      {"Othman.gif", "othmani*.*", false},
      {"x.x", "X.x", true},
      {"5-001.gif", "X.x", false},
      {"3-001.gif", "3-*.gif", true},
      {"35-001.gif", "3-*.gif", false},
      {"menu.gif", "", false},
      {"menu.gif", ";;*.gif", true},
      {"a-all.gif", "?-all.gif", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(matchesFilePattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

class FileListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"b-001.gif", "A-002.gif", "a-001.gif", "menu.gif", "Othmani.gif",
                             "z1-001.gif", "2-001.gif", "10-001.gif"})
      files.addFile(std::string("C:\\p\\data\\g\\ch\\") + name);
  }
  testing::FakeFileSystem files;
  FileListBox list{"File1", files};
};

TEST_F(FileListTest, ListsMatchingNamesSortedIgnoringCase) {
  list.setPath("C:\\p\\data\\G\\CH\\");
  list.setPattern("?-???.gif;??-???.gif");
  EXPECT_THAT(list.entries(), ElementsAre("10-001.gif", "2-001.gif", "a-001.gif", "A-002.gif",
                                          "b-001.gif", "z1-001.gif"));
  EXPECT_EQ(list.listIndex(), -1);
  EXPECT_EQ(list.fileName(), "");
}

TEST_F(FileListTest, SelectionFollowsListIndexAndIsDroppedByANewPattern) {
  list.setPath("C:\\p\\data\\g\\ch");
  list.setPattern("a*.*");
  list.setListIndex(1);
  EXPECT_EQ(list.fileName(), "A-002.gif");
  list.setPattern("othmani*.*");
  EXPECT_EQ(list.listIndex(), -1);
  EXPECT_THAT(list.entries(), ElementsAre("Othmani.gif"));
  list.setListIndex(5);
  EXPECT_EQ(list.listIndex(), -1);
  list.setPattern("X.x");
  EXPECT_THAT(list.entries(), IsEmpty());
}

TEST_F(FileListTest, AMissingFolderThrowsAndLeavesTheListAsItWas) {
  list.setPath("C:\\p\\data\\g\\ch");
  list.setPattern("menu.gif");
  EXPECT_THROW(list.setPath("C:\\p\\data\\g\\absent\\"), FolderNotFound);
  EXPECT_EQ(list.path(), "C:\\p\\data\\g\\ch");
  EXPECT_THAT(list.entries(), ElementsAre("menu.gif"));
}

TEST_F(FileListTest, AnExcludedPatternLeavesItsNamesOutUntilTheNextPattern) {
  list.setPath("C:\\p\\data\\g\\ch");
  list.setPattern("?-???.gif;??-???.gif", "a-*.*");
  EXPECT_THAT(list.entries(), ElementsAre("10-001.gif", "2-001.gif", "b-001.gif", "z1-001.gif"));
  list.setPattern("a*.*");
  EXPECT_THAT(list.entries(), ElementsAre("a-001.gif", "A-002.gif"));
}

TEST(TextBoxTest, TypingIsCutToMaxLengthCharactersButTheProgramsOwnTextIsNot) {
  const std::tuple<int, const char*, const char*> cases[] = {
      {1, "3", "3"},     {1, "34", "3"},
      {1, "", ""},       {1, "\u0663\u0664", "\u0663"},  // Arabic-Indic digits, two bytes each
      {0, "345", "345"}, {2, "a\u0663b", "a\u0663"},
  };
  for (const auto& [maxLength, typed, kept] : cases) {
    TextBox box("Repeat");
    box.setMaxLength(maxLength);
    box.typeText(typed);
    EXPECT_EQ(box.text(), kept) << maxLength << " " << typed;
  }
  TextBox box("Repeat");
  box.setMaxLength(1);
  box.setText("10");
  EXPECT_EQ(box.text(), "10");
}

TEST(CheckBoxTest, RunsItsClickProcedureOnlyWhenTheValueChanges) {
  CheckBox box("Check4");
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  box.setValue(0);
  EXPECT_EQ(clicks, 0);
  box.setValue(1);
  box.setValue(1);
  EXPECT_EQ(clicks, 1);
  box.setValue(0);
  EXPECT_EQ(clicks, 2);
}

TEST(CommandButtonTest, ValueTrueRunsTheProcedureToItsEnd) {
  CommandButton button("Menu");
  std::vector<std::string> order;
  button.onClick = [&] { order.push_back("inside"); };
  button.setValue(false);
  button.setValue(true);
  order.push_back("after");
  EXPECT_THAT(order, ElementsAre("inside", "after"));
}

TEST(CommandButtonTest, TheSecondClickOfADoubleClickIsOneMoreClick) {
  CommandButton button("Vdown");
  Image picture("Image19");
  int buttonClicks = 0;
  int pictureClicks = 0;
  int pictureDoubleClicks = 0;
  button.onClick = [&] { ++buttonClicks; };
  picture.onClick = [&] { ++pictureClicks; };
  picture.onDoubleClick = [&] { ++pictureDoubleClicks; };
  for (Control* control : std::initializer_list<Control*>{&button, &picture}) {
    control->click();
    control->doubleClick();
  }
  EXPECT_EQ(buttonClicks, 2);
  EXPECT_EQ(pictureClicks, 1);
  EXPECT_EQ(pictureDoubleClicks, 1);
}

TEST(TimerTest, TicksEveryIntervalAndStopsAtZero) {
  testing::VirtualClock clock;
  Timer timer("Timer1", clock);
  std::vector<std::int64_t> ticks;
  timer.onTick = [&] { ticks.push_back(clock.now()); };
  timer.setInterval(500);
  clock.advance(1600);
  EXPECT_THAT(ticks, ElementsAre(500, 1000, 1500));
  timer.setInterval(0);
  clock.advance(5000);
  EXPECT_EQ(ticks.size(), 3u);
}

TEST(TimerTest, SettingTheIntervalStartsANewCountdown) {
  testing::VirtualClock clock;
  Timer timer("Timer2", clock);
  std::vector<std::int64_t> ticks;
  timer.onTick = [&] {
    ticks.push_back(clock.now());
    timer.setInterval(0);
  };
  timer.setInterval(5);
  clock.advance(3);
  timer.setInterval(5);  // restarts at 3
  clock.advance(100);
  EXPECT_THAT(ticks, ElementsAre(8));
}

TEST(TimerTest, IntervalsAboveSixteenBitsAreKept) {
  testing::VirtualClock clock;
  Timer timer("Timer2", clock);
  int ticks = 0;
  timer.onTick = [&] { ++ticks; };
  timer.setInterval(70000);
  clock.advance(69999);
  EXPECT_EQ(ticks, 0);
  clock.advance(1);
  EXPECT_EQ(ticks, 1);
}

TEST(CountdownTest, ShowsTheWholeSecondsLeftUntilEndedAndStartsAfreshWhenStartedAgain) {
  testing::VirtualClock clock;
  Countdown countdown("Countdown", clock);
  EXPECT_FALSE(countdown.visible());
  countdown.start(2500);
  EXPECT_TRUE(countdown.visible());
  EXPECT_EQ(countdown.caption(), "٣");
  clock.advance(500);
  EXPECT_EQ(countdown.caption(), "٢");
  clock.advance(1000);
  EXPECT_EQ(countdown.caption(), "١");
  clock.advance(5000);  // never 0: whoever started it ends it
  EXPECT_EQ(countdown.caption(), "١");
  countdown.start(1000);
  EXPECT_EQ(countdown.length(), 1000);
  EXPECT_EQ(countdown.caption(), "١");
  countdown.start(12000);
  clock.advance(1);
  EXPECT_EQ(countdown.caption(), "١٢");
  countdown.end();
  EXPECT_FALSE(countdown.visible());
  clock.advance(20000);
  EXPECT_EQ(countdown.caption(), "١٢");
}

TEST(CountdownTest, WritesArabicIndicDigits) {
  for (const auto& [number, written] :
       {std::pair<std::int64_t, const char*>{0, "٠"}, {7, "٧"}, {1234567890, "١٢٣٤٥٦٧٨٩٠"}})
    EXPECT_EQ(arabicIndicDigits(number), written) << number;
}

TEST(NumberTextTest, WritesShortestDecimalAndReadsPlainNumbersOnly) {
  EXPECT_EQ(numberText(37448), "37448");
  EXPECT_EQ(numberText(-9362), "-9362");
  EXPECT_EQ(numberText(0.0f), "0");
  EXPECT_EQ(numberText(1.5), "1.5");
  EXPECT_EQ(textNumber(" 12 "), 12);
  EXPECT_EQ(textNumber("-3"), -3);
  EXPECT_EQ(textNumber("2.5"), 2.5);
  for (const char* bad : {"", " ", "abc", "1a", "1e3", "nan", "inf", "--1"})
    EXPECT_FALSE(textNumber(bad).has_value()) << bad;
}

}  // namespace
}  // namespace hifz
