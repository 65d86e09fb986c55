#include "reciter/reciter_report.h"

#include <gtest/gtest.h>

namespace hifz {
namespace {

content::BuildSummary twoOfThreeChapters() {
  content::BuildSummary summary;
  summary.chapters = {{"1-1/An Nas (114)", 6, 6, {}, 0},
                      {"1-1/Al Falaq (113)", 5, 3, {2, 5}, 1},
                      {"1-1/Iklas (112)", 4, 0, {1, 2, 3, 4}, 0}};
  summary.skipped = {{"114007.mp3", "chapter 114 has no verse 7"}};
  summary.notes = {"113001.mp3: its last frame, cut short, is left out"};
  return summary;
}

TEST(ReciterReportTest, CountsWhatWasBuiltAndNamesWhatWasLeftOut) {
  const QString report = reciterReport(twoOfThreeChapters());
  EXPECT_TRUE(report.contains(QStringLiteral("عدد السور التي بُنيت: 2، وعدد آياتها: 9.")))
      << report.toStdString();
  EXPECT_TRUE(report.contains(QStringLiteral("فلم تُبنَ: 1.")));
  EXPECT_TRUE(report.contains(QStringLiteral("1-1/Al Falaq (113): الآيات 2، 5")));
  // A chapter with no verse at all is counted, not listed verse by verse.
  EXPECT_FALSE(report.contains(QStringLiteral("Iklas")));
  EXPECT_TRUE(report.contains(QStringLiteral("114007.mp3: chapter 114 has no verse 7")));
  EXPECT_TRUE(
      report.contains(QStringLiteral("113001.mp3: its last frame, cut short, is left out")));
  EXPECT_EQ(
      reciterReportLine(twoOfThreeChapters()),
      QStringLiteral("chapters built: 2 of 3, verses: 9, verses missing: 2, files skipped: 1"));
}

TEST(ReciterReportTest, AWholeBuildSaysNothingOfMissingOrSkipped) {
  content::BuildSummary summary;
  summary.chapters = {{"1-1/An Nas (114)", 6, 6, {}, 0}};
  const QString report = reciterReport(summary);
  EXPECT_EQ(report, QStringLiteral("عدد السور التي بُنيت: 1، وعدد آياتها: 6."));
}

}  // namespace
}  // namespace hifz
