#include "content/verse_page.h"

#include "content/look.h"

namespace hifz::content {
namespace {

const QRect kTitleArea(20, 8, 521, 58);
const QRectF kPanel(22, 74, 517, 384);
const QRect kWordsArea(46, 94, 469, 344);
const QRect kCaptionArea(20, 464, 521, 46);

}  // namespace

QString chapterTitle(const ChapterPlan& plan) {
  return QString::fromUtf8("سورة ") + plan.text.name;
}

void showVersePageFrame(swf::MovieBuilder& movie, const ChapterPlan& plan) {
  movie.place(movie.defineShape(roundedRectangle(kPanel, 18),
                                {swfColor(kCream), swf::Stroke{3, swfColor(kGold)}}),
              1);
  movie.place(movie.defineShape(roundedRectangle(kPanel.adjusted(8, 8, -8, -8), 12),
                                swf::ShapeStyle::outlined({1, swfColor(kPaleGold)})),
              2);
  showPicture(movie, textPicture(chapterTitle(plan), labelFont(34, true), kGold, kTitleArea), 3);
}

QFont verseWordsFont(const QString& words) {
  const QFont font = fittingFont(quranFont(44), 44, 20, words, kWordsArea.size());
  // The longest verses, of the longest chapters, fit only smaller.
  if (textFits(words, font, kWordsArea.size())) return font;
  return fittingFont(quranFont(19), 19, 10, words, kWordsArea.size());
}

bool verseFitsWhole(const QString& words) {
  return textFits(words, verseWordsFont(words), kWordsArea.size());
}

Picture verseWords(const QString& words) {
  return textPicture(words, verseWordsFont(words), kInk, kWordsArea);
}

Picture verseCaption(const ChapterPlan& plan, int verse, int breath, int breaths) {
  QString caption =
      QString::fromUtf8("الآية %1 من %2")
          .arg(arabicNumber(verse), arabicNumber(static_cast<int>(plan.text.verses.size())));
  if (breaths > 1) {
    caption +=
        QString::fromUtf8("، النَّفَس %1 من %2").arg(arabicNumber(breath), arabicNumber(breaths));
  }
  return textPicture(caption, labelFont(26), kPaleGold, kCaptionArea);
}

}  // namespace hifz::content
