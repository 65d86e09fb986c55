#include "content/chapter_plan.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "content/content_error.h"
#include "recitation/verse_code.h"

namespace hifz::content {
namespace {

constexpr double kSecondsPerLetter = 0.08;
constexpr double kShortestSeconds = 1.5;
constexpr double kLongestSeconds = 12;
constexpr int kWordsToSplit = 4;
// Long chapters read this verse in two breaths: its code "m" begins the
// chapter's menu pages, so a reading of its breaths shows that it takes the
// verse's own movies and nothing else.
constexpr int kVerseOfLongChapters = 22;

std::string movieName(int verse, int breath) {
  const std::string number = std::to_string(breath);
  return std::string(VerseCode(verse)) + "-" + std::string(3 - number.size(), '0') + number +
         ".gif";
}

// Where to cut the words so that both halves have about as many letters.
qsizetype balancedCut(const QStringList& words) {
  const int total = letterCount(words.join(' '));
  qsizetype best = 1;
  int bestDifference = total;
  int before = 0;
  for (qsizetype cut = 1; cut < words.size(); ++cut) {
    before += letterCount(words[cut - 1]);
    const int difference = std::abs(total - 2 * before);
    if (difference < bestDifference) {
      bestDifference = difference;
      best = cut;
    }
  }
  return best;
}

bool canSplit(const QString& verse) {
  return verse.split(' ', Qt::SkipEmptyParts).size() >= kWordsToSplit;
}

// Verse 22 where the chapter has it in enough words, else its longest verse.
int verseToSplit(const QStringList& verses) {
  if (verses.size() >= kVerseOfLongChapters && canSplit(verses[kVerseOfLongChapters - 1]))
    return kVerseOfLongChapters;
  int chosen = 0;
  int chosenLetters = 0;
  for (int verse = 1; verse <= verses.size(); ++verse) {
    const QString& text = verses[verse - 1];
    const int letters = letterCount(text);
    if (canSplit(text) && letters > chosenLetters) {
      chosen = verse;
      chosenLetters = letters;
    }
  }
  return chosen;
}

std::string pageFileName(int number) {
  return number == 1 ? "menu.gif" : "Menu" + std::to_string(number) + ".gif";
}

std::vector<MenuPage> menuPages(int verses, const std::vector<int>& missing) {
  // "99" shows the second page, "98" the first and "97" the third.
  static constexpr std::string_view kShow[] = {"98", "99", "97"};
  const int count = (verses + kVersesPerMenuPage - 1) / kVersesPerMenuPage;
  const bool strip = count > kMostPagesWithArrows;
  std::vector<MenuPage> pages;
  for (int i = 0; i < count; ++i) {
    MenuPage page;
    page.number = i + 1;
    page.fileName = pageFileName(page.number);
    page.firstVerse = i * kVersesPerMenuPage + 1;
    page.lastVerse = std::min(verses, (i + 1) * kVersesPerMenuPage);
    if (strip) {
      page.stripPages = count;
    } else {
      if (i > 0) page.previousKey = kShow[i - 1];
      if (i + 1 < count) page.nextKey = kShow[i + 1];
    }
    std::copy_if(missing.begin(), missing.end(), std::back_inserter(page.missingVerses),
                 [&](int verse) { return verse >= page.firstVerse && verse <= page.lastVerse; });
    pages.push_back(page);
  }
  return pages;
}

const CatalogChapter& codedChapter(std::size_t catalogIndex, const ChapterText& text) {
  const CatalogChapter& chapter = catalog().at(catalogIndex);
  if (text.verses.size() > kLastCodedVerse) {
    throw ContentError(std::string(chapter.folder) + ": more verses than have file names");
  }
  return chapter;
}

}  // namespace

std::string pageKey(int number) { return "page" + std::to_string(number); }

int letterCount(const QString& text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }));
}

int framesForLetters(int letters) {
  const double seconds = std::clamp(letters * kSecondsPerLetter, kShortestSeconds, kLongestSeconds);
  return static_cast<int>(std::lround(seconds * kFrameRate));
}

ChapterPlan planChapter(std::size_t catalogIndex, ChapterText text) {
  const CatalogChapter& chapter = codedChapter(catalogIndex, text);
  ChapterPlan plan{chapter, std::move(text), {}, {}, catalogIndex % 5 != 4, {}};
  const QStringList& verses = plan.text.verses;
  const int split = verseToSplit(verses);
  for (int verse = 1; verse <= verses.size(); ++verse) {
    const QString& whole = verses[verse - 1];
    if (verse != split) {
      plan.verseMovies.push_back(
          {verse, 1, 1, movieName(verse, 1), whole, framesForLetters(letterCount(whole))});
      continue;
    }
    const QStringList words = whole.split(' ', Qt::SkipEmptyParts);
    const qsizetype cut = balancedCut(words);
    const QString parts[] = {words.first(cut).join(' '), words.sliced(cut).join(' ')};
    for (int breath = 1; breath <= 2; ++breath) {
      const QString& part = parts[breath - 1];
      plan.verseMovies.push_back(
          {verse, breath, 2, movieName(verse, breath), part, framesForLetters(letterCount(part))});
    }
  }
  plan.menuPages = menuPages(static_cast<int>(verses.size()), {});
  return plan;
}

ChapterPlan planRecitedChapter(const CatalogChapter& chapter, ChapterText text,
                               const std::map<int, int>& verseFrames) {
  ChapterPlan plan{chapter, std::move(text), {}, {}, true, {}};
  const int verses = static_cast<int>(plan.text.verses.size());
  for (int verse = 1; verse <= verses; ++verse) {
    const auto frames = verseFrames.find(verse);
    if (frames == verseFrames.end()) {
      plan.missingVerses.push_back(verse);
      continue;
    }
    if (VerseCode(verse).empty()) {
      throw ContentError(chapter.folder + ": verse " + std::to_string(verse) + " has no file name");
    }
    plan.verseMovies.push_back(
        {verse, 1, 1, movieName(verse, 1), plan.text.verses[verse - 1], frames->second});
  }
  plan.menuPages = menuPages(verses, plan.missingVerses);
  return plan;
}

}  // namespace hifz::content
