#include "reciter/reciter_report.h"

#include <QLocale>
#include <QStringList>

#include "reciter/chapter_title.h"
#include "view/isolated.h"

namespace hifz {
namespace {

struct Counts {
  int chapters = 0;
  int verses = 0;
};

Counts counted(const content::BuildSummary& summary) {
  Counts counts;
  for (const content::ChapterOutcome& chapter : summary.chapters) {
    if (chapter.built > 0) ++counts.chapters;
    counts.verses += chapter.built;
  }
  return counts;
}

QString numbers(const std::vector<int>& verses) {
  QStringList texts;
  for (int verse : verses) texts << QLocale().toString(verse);
  return texts.join(QStringLiteral("، "));
}

}  // namespace

QString reciterReport(const content::BuildSummary& summary) {
  const Counts counts = counted(summary);
  QStringList lines;
  const QLocale locale;
  lines << QStringLiteral("عدد السور التي بُنيت: %1، وعدد آياتها: %2.")
               .arg(locale.toString(counts.chapters), locale.toString(counts.verses));
  QStringList missing;
  for (const content::ChapterOutcome& chapter : summary.chapters) {
    if (chapter.built > 0 && !chapter.missing.empty())
      missing << QStringLiteral("%1: الآيات %2")
                     .arg(arabicChapterTitle(chapter.name), numbers(chapter.missing));
  }
  const auto unbuilt = static_cast<int>(summary.chapters.size()) - counts.chapters;
  if (unbuilt > 0)
    lines << QStringLiteral("سور ليس في الملفات شيء من آياتها، فلم تُبنَ: %1.")
                 .arg(locale.toString(unbuilt));
  if (!missing.isEmpty()) {
    lines << QString() << QStringLiteral("آيات لا تلاوة لها، تُركت من قائمة سورتها:");
    lines << missing;
  }
  if (!summary.skipped.empty()) {
    lines << QString() << QStringLiteral("ملفات تُركت، وسبب كل منها:");
    for (const content::SkippedFile& file : summary.skipped)
      lines << isolatedLtr(QString::fromStdString(file.name)) + QStringLiteral(": ") +
                   isolatedLtr(QString::fromStdString(file.why));
  }
  if (!summary.notes.empty()) {
    lines << QString() << QStringLiteral("ملاحظات:");
    for (const std::string& note : summary.notes)
      lines << isolatedLtr(QString::fromStdString(note));
  }
  return lines.join('\n');
}

QString reciterReportLine(const content::BuildSummary& summary) {
  const Counts counts = counted(summary);
  int missing = 0;
  for (const content::ChapterOutcome& chapter : summary.chapters)
    if (chapter.built > 0) missing += static_cast<int>(chapter.missing.size());
  return QStringLiteral(
             "chapters built: %1 of %2, verses: %3, verses missing: %4, files skipped: %5")
      .arg(counts.chapters)
      .arg(summary.chapters.size())
      .arg(counts.verses)
      .arg(missing)
      .arg(summary.skipped.size());
}

}  // namespace hifz
