#include "reciter/reciter_report.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace hifz {
namespace {

content::BuildSummary twoOfThreeChapters() {
  content::BuildSummary summary;
  summary.chapters = {{"1-1/An Nas (114)", 114, 6, 6, {}, 0},
                      {"1-1/Al Falaq (113)", 113, 5, 3, {2, 5}, 1},
                      {"1-1/Iklas (112)", 112, 4, 0, {1, 2, 3, 4}, 0}};
  summary.skipped = {{"114007.mp3", "chapter 114 has no verse 7"}};
  summary.notes = {"113001.mp3: its last frame, cut short, is left out"};
  return summary;
}

TEST(ReciterReportTest, CountsWhatWasBuiltAndNamesWhatWasLeftOut) {
  const QString report = reciterReport(twoOfThreeChapters());
  EXPECT_TRUE(report.contains(QStringLiteral("عدد السور التي بُنيت: 2، وعدد آياتها: 9.")))
      << report.toStdString();
  EXPECT_TRUE(report.contains(QStringLiteral("فلم تُبنَ: 1.")));
  EXPECT_TRUE(report.contains(QStringLiteral("سورة الفلق: الآيات 2، 5")));
  // A chapter with no verse at all is counted, not listed verse by verse.
  EXPECT_FALSE(report.contains(QStringLiteral("Iklas")));
  EXPECT_TRUE(report.contains(
      QStringLiteral("\u2066114007.mp3\u2069: \u2066chapter 114 has no verse 7\u2069")));
  EXPECT_TRUE(report.contains(
      QStringLiteral("\u2066113001.mp3: its last frame, cut short, is left out\u2069")));
  EXPECT_EQ(
      reciterReportLine(twoOfThreeChapters()),
      QStringLiteral("chapters built: 2 of 3, verses: 9, verses missing: 2, files skipped: 1"));
}

// Chapters by their Arabic names, a name the catalog does not hold as it
// came, set apart; numbers in the locale's digits.
TEST(ReciterReportTest, SpeaksTheLearnersLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
  content::BuildSummary summary;
  summary.chapters = {{"2-1/Al Ala (87)", 87, 19, 17, {3, 12}, 0},
                      {"9-9/Nowhere (200)", 200, 4, 3, {4}, 0}};
  const QString report = reciterReport(summary);
  QLocale::setDefault(before);
  EXPECT_TRUE(report.contains(QStringLiteral("عدد السور التي بُنيت: ٢، وعدد آياتها: ٢٠.")))
      << report.toStdString();
  EXPECT_TRUE(report.contains(QStringLiteral("\nسورة الأعلى: الآيات ٣، ١٢")));
  EXPECT_TRUE(report.contains(QStringLiteral("\n\u20669-9/Nowhere (200)\u2069: الآيات ٤")));
}

TEST(ReciterReportTest, AWholeBuildSaysNothingOfMissingOrSkipped) {
  content::BuildSummary summary;
  summary.chapters = {{"1-1/An Nas (114)", 114, 6, 6, {}, 0}};
  const QString report = reciterReport(summary);
  EXPECT_EQ(report, QStringLiteral("عدد السور التي بُنيت: 1، وعدد آياتها: 6."));
}

}  // namespace
}  // namespace hifz
