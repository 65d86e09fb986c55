#include "platform/progress_transfer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <variant>
#include <vector>

#include "platform/sqlite_progress_store.h"
#include "practice_log_files.h"

namespace hifz {
namespace {

using testing::Lines;
using testing::rawSql;

Reading reading(int n) {
  return {{78, 1 + n % 5, 5}, ReadingWay::StepByStep, n, 1, 1'709'280'000'000 + n * 1000, 60'000};
}

Card card(std::int64_t reviewed) {
  Card kept;
  kept.state = CardState::Review;
  kept.lastReview = reviewed;
  kept.due = reviewed + 3 * 86'400'000LL;
  kept.memory = {3.2, 5.1};
  kept.scheduledDays = 3;
  kept.reps = 2;
  return kept;
}

class ProgressTransfer : public ::testing::Test {
 protected:
  std::string at(const char* name) const { return folder.filePath(name).toStdString(); }
  // Fills the log of this machine: three readings, two graded passages.
  void practiseHere() {
    SqliteProgressStore store(at("here.sqlite"), diagnostics);
    for (int n = 0; n < 3; ++n) store.log(reading(n));
    store.saveCard({78, 1, 5}, card(1'709'280'000'000), Grade::Good);
    store.saveCard({114, 2, 2}, card(1'709'290'000'000), Grade::Hard);
  }
  ImportCounts imported(const std::string& file) {
    const auto result = importProgress(at("there.sqlite"), file, diagnostics);
    if (const auto* error = std::get_if<std::string>(&result)) ADD_FAILURE() << *error;
    return std::get_if<ImportCounts>(&result) ? std::get<ImportCounts>(result) : ImportCounts{};
  }
  QTemporaryDir folder;
  Lines diagnostics;
};

TEST_F(ProgressTransfer, ExportedProgressImportsWholeOnAnotherMachineAndOnlyOnce) {
  practiseHere();
  ASSERT_EQ("", exportProgress(at("here.sqlite"), at("moved.hifz"), diagnostics));
  const ImportCounts first = imported(at("moved.hifz"));
  EXPECT_EQ(3, first.readings);
  EXPECT_EQ(2, first.reviews);
  EXPECT_EQ(2, first.cards);
  const ImportCounts again = imported(at("moved.hifz"));
  EXPECT_EQ(0, again.readings + again.reviews + again.cards);
  SqliteProgressStore here(at("here.sqlite"), diagnostics);
  SqliteProgressStore there(at("there.sqlite"), diagnostics);
  EXPECT_EQ(here.readings(), there.readings());
  EXPECT_EQ(here.keptCards(), there.keptCards());
  EXPECT_TRUE(diagnostics.lines.empty());
}

TEST_F(ProgressTransfer, KeepsEachPassagesCardOfItsLatestReview) {
  practiseHere();
  {
    SqliteProgressStore there(at("there.sqlite"), diagnostics);
    there.saveCard({78, 1, 5}, card(1'709'999'000'000), Grade::Easy);    // later than here
    there.saveCard({114, 2, 2}, card(1'709'000'000'000), Grade::Again);  // earlier
  }
  ASSERT_EQ("", exportProgress(at("here.sqlite"), at("moved.hifz"), diagnostics));
  EXPECT_EQ(1, imported(at("moved.hifz")).cards);
  SqliteProgressStore there(at("there.sqlite"), diagnostics);
  EXPECT_EQ(card(1'709'999'000'000), there.card({78, 1, 5}));
  EXPECT_EQ(card(1'709'290'000'000), there.card({114, 2, 2}));
}

TEST_F(ProgressTransfer, NeverWritesOverAFile) {
  practiseHere();
  QFile kept(folder.filePath("kept.txt"));
  ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
  kept.write("the learner's own");
  kept.close();
  EXPECT_THAT(exportProgress(at("here.sqlite"), at("kept.txt"), diagnostics),
              ::testing::HasSubstr("exists already"));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ("the learner's own", kept.readAll());
}

struct RefusedCase {
  const char* name;
  // Makes the file at the path given.
  void (*make)(const QString& path, const std::string& exported);
  const char* why;
};

void copyOf(const QString& path, const std::string& exported) {
  QFile::copy(QString::fromStdString(exported), path);
}

const RefusedCase kRefused[] = {
    {"NotSqlite",
     [](const QString& path, const std::string&) {
       QFile file(path);
       file.open(QIODevice::WriteOnly);
       file.write("chapter,verse\n114,1\n");
     },
     "not a progress file exported by hifz"},
    {"AnotherProgramsDatabase",
     [](const QString& path, const std::string&) {
       rawSql(path, {"CREATE TABLE readings (x)", "PRAGMA user_version = 2"});
     },
     "not a progress file exported by hifz"},
    {"ANewerVersion",
     [](const QString& path, const std::string& exported) {
       copyOf(path, exported);
       rawSql(path, {"PRAGMA user_version = 99"});
     },
     "its version (99)"},
    {"ARowThatMakesNoSense",
     [](const QString& path, const std::string& exported) {
       copyOf(path, exported);
       rawSql(path, {"UPDATE reviews SET grade = 'perfect' WHERE id = 2"});
     },
     "1 of its reviews make no sense"},
    {"VersesPastAChaptersEnd",
     [](const QString& path, const std::string& exported) {
       copyOf(path, exported);
       rawSql(path, {"UPDATE readings SET last_verse = 41 WHERE id = 3"});
     },
     "past the end of chapter 78"},
    {"ATableMissing",
     [](const QString& path, const std::string& exported) {
       copyOf(path, exported);
       rawSql(path, {"DROP TABLE cards"});
     },
     "no table of cards"},
    {"Damaged",
     [](const QString& path, const std::string& exported) {
       copyOf(path, exported);
       QFile file(path);
       file.open(QIODevice::ReadWrite);
       file.seek(4096 + 8);
       file.write(QByteArray(64, '\x7f'));
     },
     "damaged"},
};

class ProgressImportRefuses : public ProgressTransfer,
                              public ::testing::WithParamInterface<RefusedCase> {};

// The refusal says why, and the log keeps what it had, all of it.
TEST_P(ProgressImportRefuses, AFileOfAnotherKindAndAddsNothing) {
  practiseHere();
  ASSERT_EQ("", exportProgress(at("here.sqlite"), at("moved.hifz"), diagnostics));
  { SqliteProgressStore(at("there.sqlite"), diagnostics).log(reading(7)); }
  const QString file = folder.filePath("given.hifz");
  GetParam().make(file, at("moved.hifz"));
  const auto result = importProgress(at("there.sqlite"), file.toStdString(), diagnostics);
  ASSERT_TRUE(std::holds_alternative<std::string>(result));
  EXPECT_THAT(std::get<std::string>(result), ::testing::HasSubstr(GetParam().why));
  EXPECT_THAT(std::get<std::string>(result), ::testing::HasSubstr("is as it was"));
  SqliteProgressStore there(at("there.sqlite"), diagnostics);
  EXPECT_EQ(std::vector<Reading>{reading(7)}, there.readings());
  EXPECT_TRUE(there.keptCards().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, ProgressImportRefuses, ::testing::ValuesIn(kRefused),
                         [](const ::testing::TestParamInfo<RefusedCase>& param) {
                           return std::string(param.param.name);
                         });

}  // namespace
}  // namespace hifz
