#include "recitation/reading_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "recitation_fixture.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::Load;
using testing::MovieLength;

class ReadingRules : public testing::RecitationTest {};

// 1
TEST_F(ReadingRules, EveryWayOfStoppingCancelsAPendingPause) {
  const std::pair<const char*, std::function<void(Form1&)>> stops[] = {
      {"StopIt", [](Form1& form) { form.run(form1::StopIt); }},
      {"reset", [](Form1& form) { form.run(form1::reset); }},
      {"playing", [](Form1& form) { form[form1::playing].click(); }},
  };
  addMovies({"5-1.gif"});
  form()[form1::Image5[0]].click();
  form()[form1::Repeat].setText("2");
  for (const auto& [name, stop] : stops) {
    form().run(form1::reset);
    click("5");
    advance(1000);  // the play has ended; a pause of 1000 + 100 frames of 40 ms runs
    ASSERT_TRUE(form()[form1::Timer2].running()) << name;
    ASSERT_TRUE(form().countdown().visible()) << name;
    stop(form());
    loads.clear();
    advance(20000);
    EXPECT_THAT(loads, IsEmpty()) << name;
    EXPECT_FALSE(form()[form1::Timer2].running()) << name;
    EXPECT_FALSE(form().countdown().visible()) << name;
  }
}

// 2
TEST_F(ReadingRules, AStaleRangeListDoesNotMakeAFileListReadingStartOver) {
  addMovies({"5-1.gif", "5-2.gif"});
  form()[form1::List1].addItem("7-1.gif");
  form()[form1::List1].addItem("8-1.gif");
  form()[form1::Check3].setValue(1);
  click("5");
  advance(5000);
  EXPECT_THAT(loads, ElementsAre(Load{0, "5-1.gif"}, Load{505, "5-2.gif"},
                                 Load{1005, "2 blank.gif"}, Load{1005, "Menu.gif"}));
}

TEST_F(ReadingRules, OnlyARangeReadingWithContinuousRangeStartsAgain) {
  form()[form1::List1].addItem("7-1.gif");
  state().VerseIndex = 1;
  for (const auto& [rangeMode, continuous, expected] :
       {std::tuple{1.0f, 1, true}, std::tuple{0.0f, 1, false}, std::tuple{1.0f, 0, false}}) {
    state().RangeMode = rangeMode;
    form()[form1::Check3].setValue(continuous);
    EXPECT_EQ(startsRangeAgain(form()), expected) << rangeMode << continuous;
  }
}

// 3
TEST_F(ReadingRules, WideningKeepsTheWholeVerseCodeAndItsHyphen) {
  const std::tuple<const char*, std::vector<std::string>, const char*> cases[] = {
      {"35", {"z1-1.gif", "z1-2.gif"}, "z1-*.*"},
      // "m*.*" would also list the chapter's own pages "menu.gif" and "Menu2.gif".
      {"22", {"m-1.gif", "m-2.gif"}, "m-*.*"},
  };
  addMovies({"z1-1.gif", "z1-2.gif", "z2-1.gif", "za-1.gif", "z-1.gif", "m-1.gif", "m-2.gif",
             "menu.gif", "Menu2.gif", "mx.txt"});
  for (const auto& [verse, breaths, widened] : cases) {
    form().run(form1::reset);
    loads.clear();
    click(verse);
    EXPECT_EQ(form()[form1::File1].pattern(), widened) << verse;
    advance(2000);
    EXPECT_THAT(loads, ElementsAre(Load{loads.at(0).first, breaths[0]},
                                   Load{loads.at(0).first + 505, breaths[1]},
                                   Load{loads.at(0).first + 1005, "2 blank.gif"},
                                   Load{loads.at(0).first + 1005, "Menu.gif"}))
        << verse;
  }
  EXPECT_EQ(widenedPattern("5-2.gif"), "5-*.*");
  EXPECT_EQ(widenedPattern("zd-10-b.gif"), "zd-*.*");
}

// 4
TEST_F(ReadingRules, AReadingOfAnEmptyListEndsQuietlyAtOnce) {
  const std::pair<const char*, std::function<void()>> starts[] = {
      {"verse without a movie", [this] { click("9"); }},
      {"no ?-all.gif",
       [this] {
         form().run(form1::reset);
         form()[form1::kind].setCaption("all");
         form().run(form1::Command1);
         EXPECT_EQ(form()[form1::File1].listIndex(), -1);
       }},
      {"empty range",
       [this] {
         form()[form1::Image24].click();
         click("40");
         click("41");
       }},
  };
  addMovies({"5-1.gif", "1-001.gif"});
  for (const auto& [name, start] : starts) {
    loads.clear();
    flash1().plays = 0;
    start();
    EXPECT_EQ(flash1().plays, 0) << name;
    EXPECT_EQ(form()[form1::StopIt].caption(), "On") << name;
    EXPECT_FALSE(form()[form1::Timer1].running()) << name;
    EXPECT_EQ(state().RangeMode, 0) << name;
    EXPECT_FALSE(form()[form1::playing].visible()) << name;
    ASSERT_GE(loads.size(), 2u) << name;
    EXPECT_EQ(loads.back(), (Load{program.clock.now(), "Menu.gif"})) << name;
    // The menu page that stays in the display is not taken for an ended play.
    flash1().playing = false;
    loads.clear();
    advance(5000);
    EXPECT_THAT(loads, IsEmpty()) << name;
  }
}

// 5
TEST_F(ReadingRules, ARangeWithUnusableBoundsIsRefused) {
  const std::tuple<ControlHandle<Form1, CommandButton>, const char*, const char*> requests[] = {
      {form1::Command2, "Label10", "Label13"},  // before any range was read: creation captions
      {form1::Command2, "9", "7"},
      {form1::Range, "9", "7"},
      {form1::Range, "7.5", "9"},
      {form1::Range, "7", "x"},
      {form1::Range, "7", "100000"},
  };
  addMovies({"7-1.gif", "8-1.gif", "9-1.gif"});
  form()[form1::List1].addItem("a-1.gif");
  form()[form1::File1].setPattern("before");
  for (const auto& [procedure, first, last] : requests) {
    const bool viaCommand2 = procedure == form1::Command2;
    form()[viaCommand2 ? form1::Label10 : form1::Label4].setCaption(first);
    form()[viaCommand2 ? form1::Label13 : form1::Label5].setCaption(last);
    const std::string shown[] = {caption(form1::Label4),  caption(form1::Label5),
                                 caption(form1::Label10), caption(form1::Label13),
                                 caption(form1::L4),      caption(form1::kind)};
    form().run(procedure);
    const std::string after[] = {caption(form1::Label4),  caption(form1::Label5),
                                 caption(form1::Label10), caption(form1::Label13),
                                 caption(form1::L4),      caption(form1::kind)};
    EXPECT_THAT(after, ::testing::ElementsAreArray(shown))
        << procedure.name() << " " << first << ".." << last;
    EXPECT_THAT(form()[form1::List1].items(), ElementsAre("a-1.gif"))
        << procedure.name() << " " << first;
    EXPECT_EQ(form()[form1::File1].pattern(), "before") << procedure.name() << " " << first;
    EXPECT_EQ(form()[form1::StopIt].caption(), "On") << procedure.name() << " " << first;
    EXPECT_EQ(state().RangeMode, 0) << procedure.name() << " " << first;
    EXPECT_THAT(loads, IsEmpty()) << procedure.name() << " " << first;
  }
}

// 6
TEST_F(ReadingRules, ARepeatCountThatIsNoNumberCountsAsOne) {
  const std::tuple<const char*, int, bool> counts[] = {
      // count, plays within 3 s, chapter menu back
      {"abc", 1, true},
      {"", 1, true},
      {"2", 2, true},
      // A count that is a number but never reached plays on until stopped.
      {"0", 6, false},
      {"2.5", 6, false},
  };
  addMovies({"5-1.gif"});
  for (const auto& [count, plays, menuBack] : counts) {
    form().run(form1::reset);
    form()[form1::Repeat].setText(count);
    flash1().plays = 0;
    loads.clear();
    click("5");
    advance(3000);
    EXPECT_EQ(flash1().plays, plays) << '"' << count << '"';
    EXPECT_EQ(!loads.empty() && loads.back().second == "Menu.gif", menuBack) << '"' << count << '"';
  }
  for (const auto& [arrow, after, sounds] :
       {std::tuple{form1::Label8, "abc", 0}, std::tuple{form1::Label9, "2", 1}}) {
    form()[form1::Repeat].setText("abc");
    const int before = clickSounds();
    form()[arrow].click();
    EXPECT_EQ(form()[form1::Repeat].text(), after) << arrow.name();
    EXPECT_EQ(clickSounds() - before, sounds) << arrow.name();
  }
}

// 7
TEST_F(ReadingRules, APauseLongerThan65535MillisecondsIsWaitedInFull) {
  addMovies({"5-1.gif"}, MovieLength{300, 2000});
  form()[form1::Image5[8]].click();  // 9 seconds
  form()[form1::Repeat].setText("2");
  click("5");
  advance(500);  // the first poll
  EXPECT_EQ(form()[form1::Text1].text(), "89000");
  EXPECT_EQ(form()[form1::Timer2].interval(), 89000);
  advance(88999);
  EXPECT_EQ(loads.size(), 1u);
  advance(1);
  EXPECT_EQ(loads.back(), (Load{89500, "5-1.gif"}));
}

TEST_F(ReadingRules, APollPeriodThatIsNoPositiveNumberCountsAs500) {
  addMovies({"5-1.gif"}, MovieLength{10000, 100});
  for (const char* text : {"abc", "", "0", "-20"}) {
    form().run(form1::reset);
    form()[form1::Text1].setText(text);
    click("5");
    EXPECT_EQ(form()[form1::Timer1].interval(), 500) << '"' << text << '"';
  }
}

// 8
TEST_F(ReadingRules, TheRightArrowCountsUpWhateverVerseIsRead) {
  for (const auto& [verseIndex, before, after] :
       {std::tuple{4, "3", "4"}, std::tuple{5, "5", "6"}, std::tuple{0, "1", "2"}}) {
    state().VerseIndex = static_cast<std::int16_t>(verseIndex);
    form()[form1::Repeat].setText(before);
    form()[form1::Label9].click();
    EXPECT_EQ(form()[form1::Repeat].text(), after) << verseIndex;
  }
}

// 9
TEST_F(ReadingRules, AListThatShrankUnderAReadingEndsIt) {
  addMovies({"1-001.gif", "2-001.gif", "3-001.gif"});
  form().run(form1::reset);
  form()[form1::kind].setCaption("all");
  form()[form1::File1].setPattern("?-???.gif");
  form().run(form1::StopIt);
  advance(1100);  // the third entry is playing
  form()[form1::File1].setPattern("1-001.gif");
  loads.clear();
  advance(1000);
  EXPECT_THAT(loads, ElementsAre(Load{1510, "2 blank.gif"}, Load{1510, "Menu.gif"}));
  EXPECT_EQ(state().VerseIndex, 0);
  EXPECT_FALSE(form()[form1::Timer2].running());
}

TEST_F(ReadingRules, ReadBeyondTheEndOfTheFileListGoesBackToTheStart) {
  addMovies({"5-1.gif"});
  form()[form1::File1].setPattern("5-*.gif");
  state().VerseIndex = 3;
  form().run(form1::Read);
  EXPECT_EQ(state().VerseIndex, 0);
  EXPECT_THAT(loads, IsEmpty());
}

// 10
TEST_F(ReadingRules, OnlyTheWholeChapterAsOneMovieReadsTheWholeChapterMovie) {
  const std::pair<const char*, std::function<void()>> readings[] = {
      {"a verse", [this] { click("1"); }},
      {"a verse in breaths", [this] { click("2"); }},
      {"verse by verse", [this] { form()[form1::Image1].click(); }},
      {"a range",
       [this] {
         form()[form1::Label4].setCaption("1");
         form()[form1::Label5].setCaption("2");
         state().RangeMode = 1;
         form().run(form1::Range);
       }},
      {"the whole chapter", [this] { form()[form1::Image4].click(); }},
  };
  const std::vector<std::vector<std::string>> expected = {
      {"1-001.gif"},
      {"2-001.gif", "2-002.gif"},
      {"1-001.gif", "2-001.gif", "2-002.gif"},
      // The stop at a range's end shows its last movie again.
      {"1-001.gif", "2-001.gif", "2-002.gif", "2-002.gif"},
      {"1-all.gif"},
  };
  addMovies({"1-001.gif", "1-all.gif", "2-001.gif", "2-002.gif"});
  for (std::size_t i = 0; i < std::size(readings); ++i) {
    form()[form1::playing].click();
    advance(100);
    loads.clear();
    readings[i].second();
    advance(5000);
    std::vector<std::string> read;
    for (const auto& [time, name] : loads)
      if (name.find('-') != std::string::npos) read.push_back(name);
    EXPECT_EQ(read, expected[i]) << readings[i].first;
  }
}

// 11
TEST_F(ReadingRules, PauseModesValuesInText1AreNoPollPeriods) {
  addMovies({"5-1.gif"}, MovieLength{10000, 100});
  const std::tuple<const char*, std::function<void(Form1&)>, std::int64_t> cases[] = {
      {"as created", [](Form1&) {}, 500},
      {"a keypad choice", [](Form1& form) { form[form1::Image5[3]].click(); }, 500},
      {"typed in", [](Form1& form) { form[form1::Text1].setText("800"); }, 800},
      {"typed, then a keypad choice",
       [](Form1& form) {
         form[form1::Text1].setText("800");
         form[form1::Image5[3]].click();
       },
       800},
  };
  for (const auto& [name, before, period] : cases) {
    form().run(form1::reset);
    before(form());
    click("5");
    EXPECT_EQ(form()[form1::Timer1].interval(), period) << name;
  }
}

}  // namespace
}  // namespace hifz
