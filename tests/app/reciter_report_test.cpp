#include "reciter/reciter_report.h"

#include <gtest/gtest.h>

namespace hifz {
namespace {

content::BuildSummary twoOfThreeChapters() {
  content::BuildSummary summary;
  summary.chapters = {{"1-1/An Nas (114)", 6, 6, {}, 0},
                      {"1-1/Al Falaq (113)", 5, 3, {2, 5}, 1},
                      {"1-1/Iklas (112)", 4, 0, {1, 2, 3, 4}, 0}};
  return summary;
}

TEST(ReciterReportTest, CountsWhatWasBuiltAndNamesWhatWasLeftOut) {
  const QString report = reciterReport(twoOfThreeChapters(), {"114007.mp3: no such verse"});
  EXPECT_TRUE(report.contains(QStringLiteral("عدد السور التي بُنيت: 2، وعدد آياتها: 9.")))
      << report.toStdString();
  EXPECT_TRUE(report.contains(QStringLiteral("فلم تُبنَ: 1.")));
  EXPECT_TRUE(report.contains(QStringLiteral("1-1/Al Falaq (113): الآيات 2، 5")));
  // A chapter with no verse at all is counted, not listed verse by verse.
  EXPECT_FALSE(report.contains(QStringLiteral("Iklas")));
  EXPECT_TRUE(report.contains(QStringLiteral("114007.mp3: no such verse")));
  EXPECT_EQ(reciterReportLine(twoOfThreeChapters(), 1),
            QStringLiteral("2 of 3 chapters built, 9 verses, 2 verses missing, 1 problems"));
}

TEST(ReciterReportTest, AWholeBuildSaysNothingOfMissingOrSkipped) {
  content::BuildSummary summary;
  summary.chapters = {{"1-1/An Nas (114)", 6, 6, {}, 0}};
  const QString report = reciterReport(summary, {});
  EXPECT_EQ(report, QStringLiteral("عدد السور التي بُنيت: 1، وعدد آياتها: 6."));
}

}  // namespace
}  // namespace hifz
