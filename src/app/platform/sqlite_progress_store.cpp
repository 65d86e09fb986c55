#include "sqlite_progress_store.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <array>
#include <atomic>
#include <optional>
#include <utility>

namespace hifz {
namespace {

std::atomic<int> connections{0};

QSqlDatabase database(const QString& connection) {
  return QSqlDatabase::database(connection, false);
}

// Runs `sql`; the error's text when it fails.
std::optional<QString> run(const QString& connection, const QString& sql) {
  QSqlQuery query(database(connection));
  if (query.exec(sql)) return std::nullopt;
  return query.lastError().text();
}

std::optional<int> pragmaNumber(const QString& connection, const QString& pragma) {
  QSqlQuery query(database(connection));
  if (!query.exec("PRAGMA " + pragma) || !query.next()) return std::nullopt;
  return query.value(0).toInt();
}

// The first free name beside `path` for a file set aside today.
QString asideName(const QString& path) {
  const QString base = path + "." + QDate::currentDate().toString(Qt::ISODate);
  QString name = base;
  for (int n = 2; QFileInfo::exists(name); ++n) name = base + "-" + QString::number(n);
  return name;
}

}  // namespace

const std::vector<SchemaStep>& progressSchema() {
  static const std::vector<SchemaStep> schema = {
      {1,
       {"CREATE TABLE readings ("
        " id INTEGER PRIMARY KEY,"
        " chapter INTEGER NOT NULL CHECK (chapter BETWEEN 1 AND 114),"
        " first_verse INTEGER NOT NULL CHECK (first_verse >= 1),"
        " last_verse INTEGER NOT NULL CHECK (last_verse >= first_verse),"
        " way TEXT NOT NULL,"
        " plays_heard INTEGER NOT NULL,"
        " turns_given INTEGER NOT NULL,"
        " started_at INTEGER NOT NULL,"  // Unix time, ms
        " length_ms INTEGER NOT NULL)"}},
      // Times here are on the learner's calendar (Unix time plus the time
      // zone's offset, in ms), as the scheduler counts days by them.
      {2,
       {"CREATE TABLE cards ("
        " chapter INTEGER NOT NULL CHECK (chapter BETWEEN 1 AND 114),"
        " first_verse INTEGER NOT NULL CHECK (first_verse >= 1),"
        " last_verse INTEGER NOT NULL CHECK (last_verse >= first_verse),"
        " state TEXT NOT NULL,"
        " due INTEGER NOT NULL,"
        " last_review INTEGER,"
        " stability REAL NOT NULL,"
        " difficulty REAL NOT NULL,"
        " scheduled_days INTEGER NOT NULL,"
        " elapsed_days INTEGER NOT NULL,"
        " reps INTEGER NOT NULL,"
        " lapses INTEGER NOT NULL,"
        " learning_step INTEGER NOT NULL,"
        " PRIMARY KEY (chapter, first_verse, last_verse))",
        "CREATE TABLE reviews ("
        " id INTEGER PRIMARY KEY,"
        " chapter INTEGER NOT NULL,"
        " first_verse INTEGER NOT NULL,"
        " last_verse INTEGER NOT NULL,"
        " grade TEXT NOT NULL,"
        " reviewed_at INTEGER NOT NULL,"
        " state TEXT NOT NULL,"  // the card's, after the grade
        " due INTEGER NOT NULL)"}},
  };
  return schema;
}

SqliteProgressStore::SqliteProgressStore(const std::string& path, Diagnostics& diagnostics,
                                         const std::vector<SchemaStep>& schema)
    : path_(QString::fromStdString(path)),
      connection_("hifz-progress-" + QString::number(++connections)),
      diagnostics_(diagnostics) {
  QSqlDatabase::addDatabase("QSQLITE", connection_);
  open_ = open(schema);
}

SqliteProgressStore::~SqliteProgressStore() {
  database(connection_).close();
  QSqlDatabase::removeDatabase(connection_);
}

bool SqliteProgressStore::open(const std::vector<SchemaStep>& schema) {
  if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
    failed("opened", "its folder cannot be made");
    return false;
  }
  QSqlDatabase db = database(connection_);
  db.setDatabaseName(path_);
  if (!db.open()) {
    failed("opened", db.lastError().text());
    return false;
  }
  const int latest = schema.empty() ? 0 : schema.back().to;
  const std::optional<int> version = pragmaNumber(connection_, "user_version");
  const bool readable =
      version && run(connection_, "SELECT count(*) FROM sqlite_master") == std::nullopt;
  QString why;
  if (!readable) {
    why = "it is not a readable SQLite database";
  } else if (*version > latest) {
    why = QString("its schema (version %1) is newer than this program's (%2)")
              .arg(*version)
              .arg(latest);
  } else {
    QSqlQuery quick(db);
    if (!quick.exec("PRAGMA quick_check") || !quick.next() || quick.value(0).toString() != "ok")
      why = "it is damaged";
  }
  if (!why.isEmpty()) {
    setAside(why.toStdString());
    db.setDatabaseName(path_);
    if (!db.open()) {
      failed("opened", db.lastError().text());
      return false;
    }
  }
  // WAL: a reading's commit is one append, and a kill loses nothing committed.
  for (const QString& pragma :
       {QString("PRAGMA journal_mode=WAL"), QString("PRAGMA synchronous=NORMAL")})
    if (const std::optional<QString> error = run(connection_, pragma)) {
      failed("opened", *error);
      return false;
    }
  const int from = pragmaNumber(connection_, "user_version").value_or(0);
  for (const SchemaStep& step : schema) {
    if (step.to <= from) continue;
    db.transaction();
    for (const QString& statement : step.statements)
      if (const std::optional<QString> error = run(connection_, statement)) {
        db.rollback();
        failed("brought up to date", *error);
        return false;
      }
    run(connection_, QString("PRAGMA user_version=%1").arg(step.to));
    if (!db.commit()) {
      failed("brought up to date", db.lastError().text());
      return false;
    }
  }
  return true;
}

void SqliteProgressStore::setAside(const std::string& why) {
  database(connection_).close();
  const QString aside = asideName(path_);
  for (const QString& suffix : {QString(), QString("-wal"), QString("-shm")})
    if (QFileInfo::exists(path_ + suffix)) QFile::rename(path_ + suffix, aside + suffix);
  diagnostics_.report("the practice log " + path_.toStdString() + " is set aside as " +
                      aside.toStdString() + ", as " + why + "; a new one starts");
  troubled(LogTrouble::SetAside);
}

void SqliteProgressStore::failed(const std::string& what, const QString& why) {
  if (told_) return;
  told_ = true;
  diagnostics_.report("the practice log " + path_.toStdString() + " cannot be " + what + " (" +
                      why.toStdString() + "); readings are not kept");
  troubled(LogTrouble::NotKept);
}

void SqliteProgressStore::troubled(LogTrouble trouble) {
  if (!trouble_) trouble_ = trouble;
  if (tell_ && !learnerTold_) {
    learnerTold_ = true;
    tell_(trouble);
  }
}

void SqliteProgressStore::whenTroubled(std::function<void(LogTrouble)> tell) {
  tell_ = std::move(tell);
  if (trouble_ && !learnerTold_) {
    learnerTold_ = true;
    tell_(*trouble_);
  }
}

void SqliteProgressStore::log(const Reading& reading) {
  if (!open_) return;
  QSqlDatabase db = database(connection_);
  QSqlQuery insert(db);
  insert.prepare(
      "INSERT INTO readings (chapter, first_verse, last_verse, way, plays_heard, turns_given,"
      " started_at, length_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
  insert.addBindValue(reading.passage.chapter);
  insert.addBindValue(reading.passage.firstVerse);
  insert.addBindValue(reading.passage.lastVerse);
  insert.addBindValue(QString(kWays[static_cast<std::size_t>(reading.way)]));
  insert.addBindValue(reading.playsHeard);
  insert.addBindValue(reading.turnsGiven);
  insert.addBindValue(static_cast<qlonglong>(reading.startedAt));
  insert.addBindValue(static_cast<qlonglong>(reading.lengthMs));
  // One statement is one transaction: the reading is kept whole or not at all.
  if (!insert.exec()) failed("written", insert.lastError().text());
}

std::vector<Reading> SqliteProgressStore::readings() const { return readingsSince(INT64_MIN); }

namespace {

constexpr const char* kReadingColumns =
    "SELECT chapter, first_verse, last_verse, way, plays_heard, turns_given, started_at,"
    " length_ms FROM readings";

std::vector<Reading> readingsOf(QSqlQuery& query) {
  std::vector<Reading> kept;
  if (!query.exec()) return kept;
  while (query.next()) {
    Reading reading;
    reading.passage = {query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt()};
    const QString way = query.value(3).toString();
    for (std::size_t i = 0; i < kWays.size(); ++i)
      if (way == kWays[i]) reading.way = static_cast<ReadingWay>(i);
    reading.playsHeard = query.value(4).toInt();
    reading.turnsGiven = query.value(5).toInt();
    reading.startedAt = query.value(6).toLongLong();
    reading.lengthMs = query.value(7).toLongLong();
    kept.push_back(reading);
  }
  return kept;
}

}  // namespace

std::vector<Reading> SqliteProgressStore::readingsSince(std::int64_t since) const {
  if (!open_) return {};
  QSqlQuery query(database(connection_));
  query.prepare(QString(kReadingColumns) + " WHERE started_at >= ? ORDER BY id");
  query.addBindValue(static_cast<qlonglong>(since));
  return readingsOf(query);
}

std::optional<Reading> SqliteProgressStore::lastReading(const Passage& passage) const {
  if (!open_) return std::nullopt;
  QSqlQuery query(database(connection_));
  query.prepare(QString(kReadingColumns) +
                " WHERE chapter = ? AND first_verse = ? AND last_verse = ?"
                " AND way IN ('one verse', 'range once', 'step by step') ORDER BY id DESC LIMIT 1");
  query.addBindValue(passage.chapter);
  query.addBindValue(passage.firstVerse);
  query.addBindValue(passage.lastVerse);
  std::vector<Reading> last = readingsOf(query);
  if (last.empty()) return std::nullopt;
  return last.front();
}

int SqliteProgressStore::version() const {
  return open_ ? pragmaNumber(connection_, "user_version").value_or(0) : 0;
}

}  // namespace hifz

namespace hifz {
namespace {

QString stateName(CardState state) { return kStates[static_cast<std::size_t>(state)]; }

void bindPassage(QSqlQuery& query, const Passage& passage) {
  query.addBindValue(passage.chapter);
  query.addBindValue(passage.firstVerse);
  query.addBindValue(passage.lastVerse);
}

constexpr const char* kCardColumns =
    "SELECT state, due, last_review, stability, difficulty, scheduled_days, elapsed_days, reps,"
    " lapses, learning_step";

// The card whose columns (kCardColumns) begin the query's row.
Card cardOf(const QSqlQuery& query) {
  Card card;
  const QString state = query.value(0).toString();
  for (std::size_t i = 0; i < kStates.size(); ++i)
    if (state == kStates[i]) card.state = static_cast<CardState>(i);
  card.due = query.value(1).toLongLong();
  if (!query.value(2).isNull()) card.lastReview = query.value(2).toLongLong();
  card.memory = {query.value(3).toDouble(), query.value(4).toDouble()};
  card.scheduledDays = query.value(5).toInt();
  card.elapsedDays = query.value(6).toInt();
  card.reps = query.value(7).toInt();
  card.lapses = query.value(8).toInt();
  card.learningStep = query.value(9).toInt();
  return card;
}

}  // namespace

std::optional<Card> SqliteProgressStore::card(const Passage& passage) const {
  if (!open_) return std::nullopt;
  QSqlQuery query(database(connection_));
  query.prepare(QString(kCardColumns) +
                " FROM cards WHERE chapter = ? AND first_verse = ? AND last_verse = ?");
  bindPassage(query, passage);
  if (!query.exec() || !query.next()) return std::nullopt;
  return cardOf(query);
}

std::vector<KeptCard> SqliteProgressStore::keptCards() const {
  std::vector<KeptCard> kept;
  if (!open_) return kept;
  QSqlQuery query(database(connection_));
  constexpr const char* kSamePassage =
      " FROM reviews r WHERE r.chapter = c.chapter AND r.first_verse = c.first_verse"
      " AND r.last_verse = c.last_verse";
  if (!query.exec(QString(kCardColumns) + ", (SELECT min(reviewed_at)" + kSamePassage +
                  " AND r.grade IN ('good', 'easy')), (SELECT grade" + kSamePassage +
                  " ORDER BY id DESC LIMIT 1), chapter, first_verse, last_verse"
                  " FROM cards c ORDER BY chapter, first_verse, last_verse"))
    return kept;
  while (query.next()) {
    KeptCard one;
    one.card = cardOf(query);
    if (!query.value(10).isNull()) one.firstLearned = query.value(10).toLongLong();
    const QString grade = query.value(11).toString();
    for (std::size_t i = 0; i < kGrades.size(); ++i)
      if (grade == kGrades[i]) one.lastGrade = static_cast<Grade>(i + 1);
    one.passage = {query.value(12).toInt(), query.value(13).toInt(), query.value(14).toInt()};
    kept.push_back(one);
  }
  return kept;
}

void SqliteProgressStore::saveCard(const Passage& passage, const Card& card, Grade grade) {
  if (!open_) return;
  QSqlDatabase db = database(connection_);
  db.transaction();
  QSqlQuery keep(db);
  keep.prepare(
      "INSERT OR REPLACE INTO cards (chapter, first_verse, last_verse, state, due, last_review,"
      " stability, difficulty, scheduled_days, elapsed_days, reps, lapses, learning_step)"
      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  bindPassage(keep, passage);
  keep.addBindValue(stateName(card.state));
  keep.addBindValue(static_cast<qlonglong>(card.due));
  keep.addBindValue(card.lastReview ? QVariant(static_cast<qlonglong>(*card.lastReview))
                                    : QVariant(QMetaType::fromType<qlonglong>()));
  keep.addBindValue(card.memory.stability);
  keep.addBindValue(card.memory.difficulty);
  keep.addBindValue(card.scheduledDays);
  keep.addBindValue(card.elapsedDays);
  keep.addBindValue(card.reps);
  keep.addBindValue(card.lapses);
  keep.addBindValue(card.learningStep);
  QSqlQuery review(db);
  review.prepare(
      "INSERT INTO reviews (chapter, first_verse, last_verse, grade, reviewed_at, state, due)"
      " VALUES (?, ?, ?, ?, ?, ?, ?)");
  bindPassage(review, passage);
  review.addBindValue(QString(kGrades[static_cast<std::size_t>(grade) - 1]));
  review.addBindValue(static_cast<qlonglong>(card.lastReview.value_or(card.due)));
  review.addBindValue(stateName(card.state));
  review.addBindValue(static_cast<qlonglong>(card.due));
  if (!keep.exec()) {
    db.rollback();
    failed("written", keep.lastError().text());
  } else if (!review.exec()) {
    db.rollback();
    failed("written", review.lastError().text());
  } else if (!db.commit()) {
    failed("written", db.lastError().text());
  }
}

}  // namespace hifz
