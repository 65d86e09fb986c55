#include "content/chapter_plan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <numeric>

#include "content/content_error.h"
#include "content/content_writer.h"
#include "content/menu_movies.h"
#include "content/quran_text.h"
#include "recitation/verse_code.h"

namespace hifz::content {
namespace {

using ::testing::ElementsAre;

// A made-up chapter of `verses` short verses of three words; `longer` gives
// chosen verses other texts.
ChapterText chapterOf(int verses, const std::map<int, QString>& longer = {}) {
  ChapterText text{1, QString::fromUtf8("الاختبار"), false, {}, "Al-Ikhtibar"};
  for (int verse = 1; verse <= verses; ++verse) {
    const auto it = longer.find(verse);
    text.verses.append(it != longer.end() ? it->second : QString::fromUtf8("قل هو الله"));
  }
  return text;
}

// `words` words of four letters.
QString wordsOf(int words) {
  QStringList list;
  for (int i = 0; i < words; ++i) list.append(QString::fromUtf8("كتاب"));
  return list.join(' ');
}

std::vector<std::string> fileNames(const ChapterPlan& plan) {
  std::vector<std::string> names;
  for (const VerseMovie& movie : plan.verseMovies) names.push_back(movie.fileName);
  return names;
}

TEST(ChapterPlan, RecitationLastsPointZeroEightSecondsALetterFromOneAndAHalfToTwelve) {
  const std::pair<int, int> cases[] = {{0, 38},   {18, 38},   {19, 38},   {20, 40},
                                       {50, 100}, {150, 300}, {151, 300}, {1000, 300}};
  for (const auto& [letters, frames] : cases)
    EXPECT_EQ(framesForLetters(letters), frames) << letters;
  EXPECT_EQ(letterCount(QString::fromUtf8("بِسۡمِ ٱللَّهِ")), 7);
}

TEST(ChapterPlan, MenuPagesHoldTwentyVersesAndCarryThePageKeysOfTheirNeighbours) {
  struct Case {
    int verses;
    std::vector<std::string> names;
    std::vector<std::pair<std::string, std::string>> keys;  // previous, next
    std::vector<int> lastVerses;
  };
  const Case cases[] = {
      {3, {"menu.gif"}, {{"", ""}}, {3}},
      {20, {"menu.gif"}, {{"", ""}}, {20}},
      {21, {"menu.gif", "Menu2.gif"}, {{"", "99"}, {"98", ""}}, {20, 21}},
      {40, {"menu.gif", "Menu2.gif"}, {{"", "99"}, {"98", ""}}, {20, 40}},
      {46,
       {"menu.gif", "Menu2.gif", "Menu3.gif"},
       {{"", "99"}, {"98", "97"}, {"99", ""}},
       {20, 40, 46}},
      {47,
       {"menu.gif", "Menu2.gif", "Menu3.gif"},
       {{"", "99"}, {"98", "97"}, {"99", ""}},
       {20, 40, 47}},
  };
  for (const Case& c : cases) {
    const ChapterPlan plan = planChapter(0, chapterOf(c.verses));
    ASSERT_EQ(plan.menuPages.size(), c.names.size()) << c.verses;
    for (size_t i = 0; i < c.names.size(); ++i) {
      const MenuPage& page = plan.menuPages[i];
      EXPECT_EQ(page.fileName, c.names[i]);
      EXPECT_EQ(page.firstVerse, static_cast<int>(i) * 20 + 1);
      EXPECT_EQ(page.lastVerse, c.lastVerses[i]);
      EXPECT_EQ(page.previousKey, c.keys[i].first) << c.verses << " page " << i + 1;
      EXPECT_EQ(page.nextKey, c.keys[i].second) << c.verses << " page " << i + 1;
    }
  }
}

// A long chapter's pages each carry a strip that reaches every other page with
// "page<N>", and no "98", "99" or "97", which would name its verses.
TEST(ChapterPlan, ALongChapterPagesThroughANumberedStripThatReachesEveryPage) {
  struct Case {
    int verses;
    int pages;
    bool strip;
  };
  for (const Case& c : {Case{60, 3, false}, Case{61, 4, true}, Case{96, 5, true}, Case{97, 5, true},
                        Case{286, 15, true}}) {
    SCOPED_TRACE(c.verses);
    std::map<int, int> frames;
    for (int verse = 1; verse <= c.verses; ++verse) frames.emplace(verse, 40);
    const ChapterPlan plan = planRecitedChapter(catalog()[0], chapterOf(c.verses), frames);
    ASSERT_EQ(plan.menuPages.size(), static_cast<std::size_t>(c.pages));
    EXPECT_EQ(plan.menuPages.back().fileName,
              c.pages == 1 ? "menu.gif" : "Menu" + std::to_string(c.pages) + ".gif");
    std::vector<int> verses;
    for (const MenuPage& page : plan.menuPages) {
      std::vector<std::string> pageKeys;
      for (const MenuButton& button : chapterMenuButtons(page)) {
        if (button.key.starts_with("page")) {
          pageKeys.push_back(button.key);
        } else if (button.key != page.previousKey && button.key != page.nextKey) {
          verses.push_back(std::stoi(button.key));
        }
      }
      std::vector<std::string> others;
      for (int number = 1; number <= c.pages && c.strip; ++number) {
        if (number != page.number) others.push_back(pageKey(number));
      }
      EXPECT_EQ(pageKeys, others) << "page " << page.number;
      EXPECT_EQ(page.previousKey.empty() && page.nextKey.empty(), c.strip);
    }
    std::vector<int> all(static_cast<std::size_t>(c.verses));
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(verses, all) << "every verse once, in order";
  }
}

TEST(ChapterPlan, TheLongestVerseOfFourWordsOrMoreIsReadInTwoBalancedBreaths) {
  const QString longest = QString::fromUtf8("كتاب كتاب كتاب كتاب كتاب كتابكتاب");
  const ChapterPlan plan = planChapter(0, chapterOf(6, {{2, wordsOf(4)}, {5, longest}}));
  EXPECT_THAT(fileNames(plan), ElementsAre("1-001.gif", "2-001.gif", "3-001.gif", "4-001.gif",
                                           "5-001.gif", "5-002.gif", "6-001.gif"));
  const VerseMovie& first = plan.verseMovies[4];
  const VerseMovie& second = plan.verseMovies[5];
  EXPECT_EQ(first.text + ' ' + second.text, longest);
  EXPECT_EQ(first.text, QString::fromUtf8("كتاب كتاب كتاب"));
  EXPECT_EQ(std::make_tuple(first.verse, first.breath, first.breaths), std::make_tuple(5, 1, 2));
  EXPECT_EQ(std::make_tuple(second.verse, second.breath, second.breaths), std::make_tuple(5, 2, 2));
  EXPECT_EQ(second.frames, framesForLetters(letterCount(second.text)));
}

TEST(ChapterPlan, LongChaptersReadVerse22InBreathsWhereItHasTheWords) {
  struct Case {
    int verses;
    std::map<int, QString> longVerses;
    int split;
  };
  const Case cases[] = {
      {30, {{3, wordsOf(12)}, {22, wordsOf(4)}}, 22},
      {47, {{22, wordsOf(3)}, {35, wordsOf(12)}}, 35},
      {21, {{3, wordsOf(5)}, {21, wordsOf(4)}}, 3},
  };
  for (const Case& c : cases) {
    const ChapterPlan plan = planChapter(0, chapterOf(c.verses, c.longVerses));
    std::vector<int> split;
    for (const VerseMovie& movie : plan.verseMovies) {
      if (movie.breath == 2) split.push_back(movie.verse);
    }
    EXPECT_THAT(split, ElementsAre(c.split)) << c.verses;
  }
}

TEST(ChapterPlan, AChapterWithOnlyShortVersesHasNoneInBreaths) {
  const ChapterPlan plan = planChapter(0, chapterOf(5));
  EXPECT_EQ(plan.verseMovies.size(), 5u);
}

TEST(ChapterPlan, EveryFifthChapterOfTheCatalogHasNoOthmaniPage) {
  for (size_t index = 0; index < catalog().size(); ++index) {
    EXPECT_EQ(planChapter(index, chapterOf(3)).hasOthmani, index % 5 != 4) << index;
  }
}

TEST(ChapterPlan, MoreVersesThanHaveCodesIsRefused) {
  EXPECT_THROW(planChapter(0, chapterOf(kLastCodedVerse + 1)), ContentError);
}

TEST(ChapterPlan, TheRealTextGivesEachCatalogChapterItsVerses) {
  const std::vector<ChapterPlan> plans = planAllChapters(defaultChaptersFolder());
  ASSERT_EQ(plans.size(), 37u);
  EXPECT_EQ(plans.front().text.surah, 114);
  EXPECT_EQ(plans.front().text.verses.size(), 6);
  EXPECT_EQ(plans.front().text.name, QString::fromUtf8("الناس"));
  EXPECT_EQ(plans[14].text.surah, 1);
  EXPECT_EQ(plans.back().text.verses.size(), 46);
}

TEST(ChapterFiles, AChapterIsMadeTheSameEveryTime) {
  const ChapterPlan plan = planChapter(2, readChapterText(defaultChaptersFolder(), 112));
  const std::vector<ContentFile> first = chapterFiles(plan);
  const std::vector<ContentFile> second = chapterFiles(plan);
  ASSERT_EQ(first.size(), second.size());
  for (size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(first[i].path, second[i].path);
    EXPECT_TRUE(first[i].bytes == second[i].bytes) << first[i].path;
  }
}

}  // namespace
}  // namespace hifz::content
