#include "content/page_movies.h"

#include <QPainter>
#include <algorithm>

#include "content/look.h"
#include "content/movie_kit.h"
#include "content/tone.h"
#include "content/verse_page.h"

namespace hifz::content {
namespace {

constexpr int kListedWords = 8;
const QRect kOthmaniArea(40, 110, 481, 384);
constexpr int kLargestOthmani = 34;
constexpr int kSmallestOthmani = 12;

std::vector<std::uint8_t> stillMovie(QSize stage, const std::vector<Picture>& pictures) {
  swf::MovieBuilder movie(stageOptions(stage));
  uint16_t depth = 1;
  for (const Picture& picture : pictures) showPicture(movie, picture, depth++);
  movie.stop();
  movie.showFrame();
  return packed(movie);
}

// The longest words of the chapter, each once, in the order they first come.
QStringList longestWords(const ChapterPlan& plan) {
  QStringList words;
  for (const QString& verse : plan.text.verses) {
    for (const QString& word : verse.split(' ', Qt::SkipEmptyParts)) {
      if (!words.contains(word)) words.append(word);
    }
  }
  QStringList byLength = words;
  std::stable_sort(byLength.begin(), byLength.end(), [](const QString& a, const QString& b) {
    return letterCount(a) > letterCount(b);
  });
  byLength = byLength.first(std::min<qsizetype>(kListedWords, byLength.size()));
  QStringList chosen;
  for (const QString& word : words) {
    if (byLength.contains(word)) chosen.append(word);
  }
  return chosen;
}

// A cream page with a title, as the verse pages have.
QImage pageWithPanel(const QString& title, const QString& subtitle) {
  QImage stage(kMainDisplay, QImage::Format_ARGB32_Premultiplied);
  stage.fill(kDeepTeal);
  QPainter painter(&stage);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kGold, 3));
  painter.setBrush(kCream);
  painter.drawRoundedRect(QRectF(22, 96, 517, 410), 18, 18);
  painter.setFont(labelFont(34, true));
  painter.setPen(kGold);
  painter.drawText(QRectF(20, 4, 521, 56), Qt::AlignCenter, title);
  painter.setFont(labelFont(22));
  painter.setPen(kPaleGold);
  painter.drawText(QRectF(20, 56, 521, 36), Qt::AlignCenter, subtitle);
  return stage;
}

// The chapter's verses in a row, each closed by its number.
QString othmaniText(const ChapterPlan& plan) {
  QString text;
  for (qsizetype i = 0; i < plan.text.verses.size(); ++i) {
    if (i > 0) text += ' ';
    text +=
        plan.text.verses[i] + QString::fromUtf8(" \u06DD") + arabicNumber(static_cast<int>(i + 1));
  }
  return text;
}

}  // namespace

std::vector<std::uint8_t> blankMovie() {
  swf::MovieBuilder movie(stageOptions(kMainDisplay));
  movie.stop();
  movie.showFrame();
  return packed(movie);
}

std::vector<std::uint8_t> startUpMovie(ContentSound sound) {
  const QRect stage(QPoint(0, 0), kBannerStage);
  return stillMovie(
      kBannerStage,
      {textPicture(QString::fromUtf8("احفظ القرآن بالتكرار"), labelFont(46, true), kGold,
                   QRect(10, 12, stage.width() - 20, 80)),
       textPicture(QString::fromUtf8("استمع إلى الآية، ثم ردّدها حتى تحفظها"), labelFont(26), kCream,
                   QRect(10, 96, stage.width() - 20, 50)),
       textPicture(sound == ContentSound::Tone
                       ? QString::fromUtf8("محتوى تجريبي: النص العثماني من موسوعة القرآن الكريم،\n"
                                           "والصوت نغمة بديلة، وليس تلاوة")
                       : QString::fromUtf8("النص العثماني من موسوعة القرآن الكريم،\n"
                                           "والتلاوة من ملفات القارئ"),
                   labelFont(17), kPaleGold, QRect(20, 160, stage.width() - 40, 64))});
}

std::vector<std::uint8_t> dingMovie() {
  swf::MovieBuilder movie(stageOptions(QSize(40, 40)));
  movie.startSound(movie.defineSound(clickSound()));
  // Its slot repeats a movie at its end; the click sounds once.
  movie.stop();
  movie.showFrame();
  return packed(movie);
}

std::vector<std::uint8_t> wordsMovie(const ChapterPlan& plan) {
  QImage stage = pageWithPanel(QString::fromUtf8("كلمات من ") + chapterTitle(plan),
                               QString::fromUtf8("اقرأ الكلمة وانتبه إلى ضبطها"));
  QPainter painter(&stage);
  painter.setRenderHint(QPainter::Antialiasing);
  const QStringList words = longestWords(plan);
  const double rowHeight = 400.0 / kListedWords;
  for (qsizetype i = 0; i < words.size(); ++i) {
    const QRectF row(40, 100 + i * rowHeight, 481, rowHeight);
    painter.setPen(kGold);
    painter.setBrush(kGold);
    painter.drawEllipse(QPointF(row.right() - 12, row.center().y()), 5, 5);
    if (i > 0) {
      painter.setPen(QPen(kPaleGold, 1));
      painter.drawLine(QLineF(row.left() + 40, row.top(), row.right() - 40, row.top()));
    }
    painter.setFont(quranFont(34));
    painter.setPen(kInk);
    painter.drawText(row.adjusted(0, 0, -34, 0),
                     Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter, words[i]);
  }
  painter.end();
  return stillMovie(kMainDisplay, {{stage, QPoint(0, 0)}});
}

bool othmaniFits(const ChapterPlan& plan) {
  return textFits(othmaniText(plan), quranFont(kSmallestOthmani), kOthmaniArea.size());
}

std::vector<std::uint8_t> othmaniMovie(const ChapterPlan& plan) {
  const QString text = othmaniText(plan);
  QImage stage = pageWithPanel(chapterTitle(plan), QString::fromUtf8("بالرسم العثماني"));
  const QRect area = kOthmaniArea;
  const QFont font =
      fittingFont(quranFont(kLargestOthmani), kLargestOthmani, kSmallestOthmani, text, area.size());
  QPainter painter(&stage);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font);
  painter.setPen(kInk);
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
  painter.end();
  return stillMovie(kMainDisplay, {{stage, QPoint(0, 0)}});
}

}  // namespace hifz::content
