#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/sqlite_progress_store.h"
#include "practice_log_files.h"

namespace hifz {
namespace {

using testing::Lines;
using testing::rawSql;
using testing::rawValue;

Reading reading(int n) {
  return {{114, 1 + n % 6, 6}, ReadingWay::RangeOnce, n, n % 3, 1'709'280'000'000 + n, 1000 + n};
}

class ProgressStoreFile : public ::testing::Test {
 protected:
  QString path() const { return folder.filePath("hifz/progress.sqlite"); }
  std::string file() const { return path().toStdString(); }
  QTemporaryDir folder;
  Lines diagnostics;
};

// The program's own schema version, the last step's.
int latest() { return progressSchema().back().to; }

TEST_F(ProgressStoreFile, KeepsEachReadingInAWalLogOfTheLatestVersion) {
  {
    SqliteProgressStore store(file(), diagnostics);
    for (int n = 0; n < 3; ++n) store.log(reading(n));
    EXPECT_EQ(latest(), store.version());
  }
  SqliteProgressStore again(file(), diagnostics);
  EXPECT_EQ((std::vector<Reading>{reading(0), reading(1), reading(2)}), again.readings());
  EXPECT_EQ("wal", rawValue(path(), "PRAGMA journal_mode"));
  EXPECT_TRUE(diagnostics.lines.empty());
}

struct BadFile {
  const char* name;
  std::function<void(const QString&)> make;
  const char* why;
};

class ProgressStoreSetAside : public ProgressStoreFile,
                              public ::testing::WithParamInterface<BadFile> {};

// The file is moved beside itself with the date, whole, and a new log starts.
TEST_P(ProgressStoreSetAside, MovesTheFileAsideAndStartsANewLog) {
  QDir().mkpath(folder.filePath("hifz"));
  GetParam().make(path());
  QFile original(path());
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  const QByteArray bytes = original.readAll();
  original.close();
  SqliteProgressStore store(file(), diagnostics);
  const QString aside = path() + "." + QDate::currentDate().toString(Qt::ISODate);
  QFile kept(aside);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(bytes, kept.readAll());
  ASSERT_EQ(1u, diagnostics.lines.size());
  EXPECT_NE(std::string::npos, diagnostics.lines[0].find(GetParam().why)) << diagnostics.lines[0];
  EXPECT_NE(std::string::npos, diagnostics.lines[0].find(aside.toStdString()));
  store.log(reading(7));
  EXPECT_EQ(std::vector<Reading>{reading(7)}, store.readings());
  EXPECT_EQ(latest(), store.version());
  // The learner is told once, when the window can tell.
  std::vector<LogTrouble> told;
  store.whenTroubled([&told](LogTrouble trouble) { told.push_back(trouble); });
  EXPECT_EQ(std::vector<LogTrouble>{LogTrouble::SetAside}, told);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProgressStoreSetAside,
    ::testing::Values(
        BadFile{"NotSqlite",
                [](const QString& path) {
                  QFile f(path);
                  f.open(QIODevice::WriteOnly);
                  f.write(QByteArray("repeat=3\npause=2\n").repeated(300));
                },
                "not a readable SQLite database"},
        BadFile{"Damaged",
                [](const QString& path) {
                  {
                    SqliteProgressStore store(path.toStdString(), noDiagnostics());
                    for (int n = 0; n < 400; ++n) store.log(reading(n));
                  }
                  rawSql(path, {"PRAGMA wal_checkpoint(TRUNCATE)", "PRAGMA journal_mode=DELETE"});
                  // Garbage over the table's pages, past the header and schema page.
                  QFile f(path);
                  f.open(QIODevice::ReadWrite);
                  f.seek(4096 + 100);
                  f.write(QByteArray(3 * 4096, '\x5a'));
                },
                "damaged"},
        BadFile{"Newer",
                [](const QString& path) {
                  rawSql(path, {"CREATE TABLE readings (x)", "PRAGMA user_version=7"});
                },
                "newer than this program's (2)"}),
    [](const ::testing::TestParamInfo<BadFile>& param) { return std::string(param.param.name); });

TEST_F(ProgressStoreFile, BringsAnOlderLogUpToDateKeepingItsReadings) {
  { SqliteProgressStore(file(), diagnostics).log(reading(1)); }
  std::vector<SchemaStep> schema = progressSchema();
  schema.push_back({latest() + 1,
                    {"ALTER TABLE readings ADD COLUMN note TEXT", "UPDATE readings SET note='x'"}});
  SqliteProgressStore store(file(), diagnostics, schema);
  EXPECT_EQ(latest() + 1, store.version());
  EXPECT_EQ(std::vector<Reading>{reading(1)}, store.readings());
  EXPECT_EQ("x", rawValue(path(), "SELECT note FROM readings"));
  EXPECT_TRUE(diagnostics.lines.empty());
}

TEST_F(ProgressStoreFile, AStepThatFailsLeavesTheLogAsItWasAndIsToldOnce) {
  { SqliteProgressStore(file(), diagnostics).log(reading(1)); }
  std::vector<SchemaStep> schema = progressSchema();
  schema.push_back({latest() + 1, {"ALTER TABLE readings ADD COLUMN note TEXT", "NOT SQL AT ALL"}});
  {
    SqliteProgressStore store(file(), diagnostics, schema);
    store.log(reading(2));
    EXPECT_TRUE(store.readings().empty());
  }
  EXPECT_EQ(1u, diagnostics.lines.size());
  EXPECT_EQ(QString::number(latest()), rawValue(path(), "PRAGMA user_version"));
  EXPECT_EQ("", rawValue(path(), "SELECT count(note) FROM readings"));
  EXPECT_EQ(std::vector<Reading>{reading(1)}, SqliteProgressStore(file(), diagnostics).readings());
}

// A card as a few reviews leave it, every field set.
Card reviewedCard() {
  Card card;
  card.state = CardState::Relearning;
  card.due = 1'709'900'000'000;
  card.lastReview = 1'709'899'400'000;
  card.memory = {2.30648127, 6.81289431};
  card.scheduledDays = 0;
  card.elapsedDays = 12;
  card.reps = 5;
  card.lapses = 1;
  card.learningStep = 0;
  return card;
}

constexpr Passage kRange{114, 2, 4};

TEST_F(ProgressStoreFile, BringsALogOfVersionOneToCardsKeepingItsReadings) {
  { SqliteProgressStore(file(), diagnostics, {progressSchema().front()}).log(reading(1)); }
  ASSERT_EQ("1", rawValue(path(), "PRAGMA user_version"));
  {
    SqliteProgressStore store(file(), diagnostics);
    EXPECT_EQ(2, store.version());
    EXPECT_EQ(std::vector<Reading>{reading(1)}, store.readings());
    EXPECT_EQ(std::nullopt, store.card(kRange));
    store.saveCard(kRange, reviewedCard(), Grade::Again);
  }
  EXPECT_EQ(reviewedCard(), SqliteProgressStore(file(), diagnostics).card(kRange));
  EXPECT_TRUE(diagnostics.lines.empty());
}

TEST_F(ProgressStoreFile, KeepsEachPassagesLatestCardAndEveryReview) {
  Card first = reviewedCard();
  first.state = CardState::Learning;
  first.lastReview.reset();
  {
    SqliteProgressStore store(file(), diagnostics);
    store.saveCard(kRange, first, Grade::Hard);
    store.saveCard({114, 5, 5}, first, Grade::Easy);
    store.saveCard(kRange, reviewedCard(), Grade::Good);
  }
  SqliteProgressStore store(file(), diagnostics);
  EXPECT_EQ(reviewedCard(), store.card(kRange));
  EXPECT_EQ(first, store.card({114, 5, 5}));
  EXPECT_EQ(std::nullopt, store.card({114, 5, 6}));
  EXPECT_EQ(
      "hard,easy,good",
      rawValue(path(), "SELECT group_concat(grade) FROM (SELECT grade FROM reviews ORDER BY id)"));
  EXPECT_EQ("1709899400000|relearning|1709900000000",
            rawValue(path(),
                     "SELECT reviewed_at || '|' || state || '|' || due FROM reviews"
                     " WHERE id = 3"));
  EXPECT_EQ("2", rawValue(path(), "SELECT count(*) FROM cards"));
}

TEST_F(ProgressStoreFile, GivesEveryCardWithItsFirstAndLastGradeAndTheReadingsAskedFor) {
  Card first = reviewedCard();
  first.lastReview = 1'709'280'000'000;
  SqliteProgressStore store(file(), diagnostics);
  store.saveCard(kRange, first, Grade::Hard);
  store.saveCard(kRange, reviewedCard(), Grade::Good);
  store.saveCard({78, 1, 5}, first, Grade::Again);
  // 78:1-5 was never learned; kRange first at its good grade.
  EXPECT_EQ(
      (std::vector<KeptCard>{{{78, 1, 5}, first, std::nullopt, Grade::Again},
                             {kRange, reviewedCard(), reviewedCard().lastReview, Grade::Good}}),
      store.keptCards());
  Reading drilled = reading(3);
  drilled.way = ReadingWay::StepByStep;
  Reading endless = reading(3);
  endless.way = ReadingWay::WithoutEnd;
  for (const Reading& r : {reading(1), reading(3), drilled, endless}) store.log(r);
  EXPECT_EQ((std::vector<Reading>{reading(3), drilled, endless}),
            store.readingsSince(reading(3).startedAt));
  EXPECT_EQ(drilled, store.lastReading(reading(3).passage));
  EXPECT_EQ(std::nullopt, store.lastReading(kRange));
}

TEST_F(ProgressStoreFile, AGradeThatCannotBeWrittenKeepsNeitherCardNorReview) {
  SqliteProgressStore store(file(), diagnostics);
  rawSql(path(),
         {"CREATE TRIGGER refuse BEFORE INSERT ON reviews BEGIN SELECT RAISE(ABORT, 'no'); END"});
  store.saveCard(kRange, reviewedCard(), Grade::Good);
  EXPECT_EQ(std::nullopt, store.card(kRange));
  EXPECT_EQ(1u, diagnostics.lines.size());
}

TEST_F(ProgressStoreFile, AReadOnlyFolderIsToldOnceAndReadingsGoOn) {
  const QString locked = folder.filePath("locked");
  QDir().mkpath(locked);
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
  if (QFile probe(locked + "/probe"); probe.open(QIODevice::WriteOnly))
    GTEST_SKIP() << "this user writes into a read-only folder (root)";
  SqliteProgressStore store((locked + "/hifz/progress.sqlite").toStdString(), diagnostics);
  store.log(reading(1));
  store.log(reading(2));
  EXPECT_EQ(1u, diagnostics.lines.size());
  EXPECT_TRUE(store.readings().empty());
}

// A disk full, as a file that may grow no further (RLIMIT_FSIZE): the reading
// is lost, told once, and the program goes on.
TEST_F(ProgressStoreFile, AFullDiskIsToldOnceAndReadingsGoOn) {
  SqliteProgressStore store(file(), diagnostics);
  std::vector<LogTrouble> told;
  store.whenTroubled([&told](LogTrouble trouble) { told.push_back(trouble); });
  EXPECT_TRUE(told.empty());
  signal(SIGXFSZ, SIG_IGN);
  rlimit before{};
  getrlimit(RLIMIT_FSIZE, &before);
  rlimit full = before;
  full.rlim_cur = 512;
  ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &full));
  store.log(reading(1));
  store.log(reading(2));
  setrlimit(RLIMIT_FSIZE, &before);
  EXPECT_EQ(1u, diagnostics.lines.size());
  EXPECT_EQ(std::vector<LogTrouble>{LogTrouble::NotKept}, told);
  EXPECT_TRUE(store.readings().empty());
  store.log(reading(3));
  EXPECT_EQ(std::vector<Reading>{reading(3)}, store.readings());
}

// A program killed outright loses no reading it logged.
TEST_F(ProgressStoreFile, KillNineLosesNoLoggedReading) {
  QProcess writer;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HIFZ_PROGRESS_WRITER", path());
  writer.setProcessEnvironment(env);
  writer.start(QCoreApplication::applicationFilePath(), {});
  ASSERT_TRUE(writer.waitForReadyRead(10000));
  ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
  writer.waitForFinished();
  EXPECT_EQ("ok", rawValue(path(), "PRAGMA integrity_check"));
  EXPECT_EQ("50", rawValue(path(), "SELECT count(*) FROM readings"));
}

}  // namespace
}  // namespace hifz

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // The kill -9 test's writer: logs 50 readings, says so, and waits to be killed.
  if (const char* path = std::getenv("HIFZ_PROGRESS_WRITER")) {
    hifz::SqliteProgressStore store(path, hifz::noDiagnostics());
    for (int n = 0; n < 50; ++n) store.log(hifz::reading(n));
    std::fputs("logged\n", stdout);
    std::fflush(stdout);
    for (;;) pause();
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
