#pragma once

#include <QString>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "content/catalog.h"
#include "content/quran_text.h"

namespace hifz::content {

/// Movies run at 25 frames a second: the reading's pause after a verse counts
/// 40 ms for each frame the verse played, so the pause then lasts as long as
/// the verse.
inline constexpr double kFrameRate = 25;
/// Verse buttons on one chapter menu page.
inline constexpr int kVersesPerMenuPage = 20;
/// A chapter of more pages than this pages through them with a numbered strip
/// sending "page<N>"; up to it, with the previous and next buttons of old.
inline constexpr int kMostPagesWithArrows = 3;
/// The whole chapter as one movie, matching "?-all.gif". The program leaves
/// such names out of every other reading; "0" is no verse code, so even a
/// reader that did not would never take it for a verse or a breath.
inline constexpr std::string_view kWholeChapterMovie = "0-all.gif";

/// One movie of a verse: the whole verse, or one breath of a verse read in two.
struct VerseMovie {
  int verse = 0;
  int breath = 1;
  int breaths = 1;
  std::string fileName;  // "5-001.gif"
  QString text;          // the words this movie shows and recites
  int frames = 0;        // as long as its sound
};

/// One page of a chapter's menu and the page keys of its buttons ("" for none).
struct MenuPage {
  int number = 1;
  std::string fileName;  // "menu.gif", "Menu2.gif", "Menu3.gif", ...
  int firstVerse = 1;
  int lastVerse = 1;
  std::string previousKey;
  std::string nextKey;
  std::vector<int> missingVerses;  // verses of the page that have no movie, and no button
  // The chapter's pages when it has more than kMostPagesWithArrows: a strip
  // of their numbers replaces the previous and next buttons. 0 otherwise.
  int stripPages = 0;
};

/// The key of the button that shows page `number` of a long chapter: "page4".
std::string pageKey(int number);

/// Everything a chapter folder will hold, decided before anything is drawn.
struct ChapterPlan {
  CatalogChapter chapter;
  ChapterText text;
  std::vector<VerseMovie> verseMovies;  // verse by verse, breaths in order
  std::vector<MenuPage> menuPages;
  bool hasOthmani = true;
  std::vector<int> missingVerses;  // verses with no movie, in order
};

/// Letters of an Arabic text, marks left out.
int letterCount(const QString& text);
/// Frames of a recitation of `letters` letters: 0.08 s a letter, 1.5 to 12 s.
int framesForLetters(int letters);

/// Plans the chapter at `catalogIndex` of the catalog from its text. Every fifth
/// chapter has no Othmani page, so the program's blocked button shows. The
/// longest verse that can be split safely (see chapter_plan.cpp) is read in two
/// breaths. Throws ContentError for a chapter with more verses than have codes.
ChapterPlan planChapter(std::size_t catalogIndex, ChapterText text);

/// Plans `chapter` read from a reciter's files: one movie per verse of
/// `verseFrames` (verse number to its length in frames), whole, and none for
/// the chapter's other verses, which its menu leaves out. The Othmani page is
/// left for the chapter's writer to decide. Throws ContentError for a verse
/// of `verseFrames` that has no code.
ChapterPlan planRecitedChapter(const CatalogChapter& chapter, ChapterText text,
                               const std::map<int, int>& verseFrames);

}  // namespace hifz::content
