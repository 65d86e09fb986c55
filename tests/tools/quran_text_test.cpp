#include "content/quran_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "content/content_error.h"

namespace hifz::content {
namespace {

class QuranTextTest : public ::testing::Test {
 protected:
  std::filesystem::path folder() const { return dir.path().toStdString(); }
  void write(int surah, const char* json) {
    QFile file(dir.filePath(QString::number(surah) + ".json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(json);
  }
  // The message of the error reading `surah` raises, or "" when it reads.
  std::string errorReading(int surah) {
    try {
      readChapterText(folder(), surah);
      return "";
    } catch (const ContentError& error) {
      return error.what();
    }
  }

  QTemporaryDir dir;
};

TEST_F(QuranTextTest, ReadsNameKindAndVersesInOrder) {
  write(110, R"({"id": 110, "name": "النصر", "type": "medinan", "total_verses": 2,
                 "verses": [{"id": 1, "text": " إِذَا جَآءَ "}, {"id": 2, "text": "وَرَأَيۡتَ"}]})");
  const ChapterText text = readChapterText(folder(), 110);
  EXPECT_EQ(text.surah, 110);
  EXPECT_EQ(text.name, QString::fromUtf8("النصر"));
  EXPECT_TRUE(text.medinan);
  EXPECT_EQ(text.verses, QStringList({QString::fromUtf8("إِذَا جَآءَ"), QString::fromUtf8("وَرَأَيۡتَ")}));
}

TEST_F(QuranTextTest, ChapterFilesThatAreNotTheExpectedChapterAreRefusedNamingTheFile) {
  const std::pair<int, const char*> cases[] = {
      {1, "not json"},
      {2, R"({"id": 3, "name": "x", "total_verses": 1, "verses": [{"id": 1, "text": "a"}]})"},
      {3, R"({"id": 3, "name": "x", "total_verses": 2, "verses": [{"id": 1, "text": "a"}]})"},
      {4, R"({"id": 4, "name": "x", "total_verses": 2,
              "verses": [{"id": 2, "text": "a"}, {"id": 1, "text": "b"}]})"},
      {5, R"({"id": 5, "name": "x", "total_verses": 1, "verses": [{"id": 1, "text": "  "}]})"},
      {6, R"({"id": 6, "total_verses": 1, "verses": [{"id": 1, "text": "a"}]})"},
  };
  for (const auto& [surah, json] : cases) {
    write(surah, json);
    const std::string message = errorReading(surah);
    EXPECT_NE(message.find(std::to_string(surah) + ".json"), std::string::npos)
        << surah << ": " << message;
  }
  EXPECT_NE(errorReading(99).find("quran-json"), std::string::npos);
}

}  // namespace
}  // namespace hifz::content
