#include "platform/progress_transfer.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <atomic>
#include <optional>
#include <span>

#include "platform/sqlite_progress_store.h"
#include "progress/chapter_lengths.h"

namespace hifz {
namespace {

std::atomic<int> connections{0};

// One connection of its own to a database, closed when it goes.
class Connection {
 public:
  explicit Connection(const QString& path)
      : name_("hifz-transfer-" + QString::number(++connections)) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name_);
    db.setDatabaseName(path);
    open_ = db.open();
  }
  ~Connection() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool isOpen() const { return open_; }
  QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }
  /// Runs `sql` with `values` bound in order; the error's text when it fails.
  std::optional<QString> run(const QString& sql, const QVariantList& values = {},
                             int* changed = nullptr) const {
    QSqlQuery query(db());
    query.prepare(sql);
    for (const QVariant& value : values) query.addBindValue(value);
    if (!query.exec()) return query.lastError().text();
    if (changed != nullptr) *changed = query.numRowsAffected();
    return std::nullopt;
  }
  /// The first column of the first row `sql` gives; none when it fails.
  std::optional<QVariant> value(const QString& sql) const {
    QSqlQuery query(db());
    if (!query.exec(sql) || !query.next()) return std::nullopt;
    return query.value(0);
  }

 private:
  QString name_;
  bool open_ = false;
};

QString quoted(std::span<const char* const> names) {
  QStringList list;
  for (const char* name : names) list << QString("'%1'").arg(name);
  return "(" + list.join(", ") + ")";
}

QString isCount(const char* column) {
  return QString("typeof(%1) != 'integer' OR %1 < 0").arg(column);
}

// A passage's columns that no chapter of the Quran holds; verses past the
// chapter's end are looked for apart.
QString isNoPassage() {
  return "typeof(chapter) != 'integer' OR chapter NOT BETWEEN 1 AND 114 OR"
         " typeof(first_verse) != 'integer' OR typeof(last_verse) != 'integer' OR"
         " first_verse < 1 OR last_verse < first_verse";
}

struct TableCheck {
  const char* table;
  int fromVersion;
  int mostRows;
  QString wrongRow;
};

// What each table may hold. The most rows are far more than a learner makes
// in a lifetime, and keep the import's work bounded.
std::vector<TableCheck> tableChecks() {
  return {
      {"readings", 1, 2'000'000,
       isNoPassage() + " OR way NOT IN " + quoted(kWays) + " OR " + isCount("plays_heard") +
           " OR " + isCount("turns_given") +
           " OR typeof(started_at) != 'integer' OR typeof(length_ms) != 'integer'"},
      {"cards", 2, 200'000,
       isNoPassage() + " OR state NOT IN " + quoted(kStates) +
           " OR typeof(due) != 'integer' OR typeof(last_review) NOT IN ('integer', 'null')"
           " OR typeof(stability) NOT IN ('real', 'integer') OR NOT (stability > 0)"
           " OR stability > 1e9 OR typeof(difficulty) NOT IN ('real', 'integer')"
           " OR NOT (difficulty BETWEEN 1 AND 10) OR " +
           isCount("scheduled_days") + " OR " + isCount("elapsed_days") + " OR " + isCount("reps") +
           " OR " + isCount("lapses") + " OR " + isCount("learning_step")},
      {"reviews", 2, 2'000'000,
       isNoPassage() + " OR grade NOT IN " + quoted(kGrades) + " OR state NOT IN " +
           quoted(kStates) + " OR typeof(reviewed_at) != 'integer' OR typeof(due) != 'integer'"},
  };
}

// What is wrong with the attached file's rows; empty when nothing is.
QString wrongRows(const Connection& log, int version) {
  for (const TableCheck& check : tableChecks()) {
    if (version < check.fromVersion) continue;
    const QString table = QString("incoming.") + check.table;
    const std::optional<QVariant> rows = log.value("SELECT count(*) FROM " + table);
    if (!rows) return QString("it has no table of %1").arg(check.table);
    if (rows->toLongLong() > check.mostRows)
      return QString("it holds more %1 than a practice log can (%2)")
          .arg(check.table)
          .arg(rows->toLongLong());
    const std::optional<QVariant> wrong =
        log.value("SELECT count(*) FROM " + table + " WHERE " + check.wrongRow);
    if (!wrong) return QString("its table of %1 lacks a column").arg(check.table);
    if (wrong->toLongLong() > 0)
      return QString("%1 of its %2 make no sense").arg(wrong->toLongLong()).arg(check.table);
    QSqlQuery ends(log.db());
    if (!ends.exec("SELECT chapter, max(last_verse) FROM " + table + " GROUP BY chapter"))
      return ends.lastError().text();
    while (ends.next())
      if (ends.value(1).toInt() > versesInChapter(ends.value(0).toInt()))
        return QString("its %1 name verses past the end of chapter %2")
            .arg(check.table)
            .arg(ends.value(0).toInt());
  }
  return {};
}

// The statements that add the attached file's progress, each with the count
// of rows it added.
struct Addition {
  int fromVersion;
  QString sql;
  int ImportCounts::*count;
};

constexpr const char* kSamePassage =
    "m.chapter = i.chapter AND m.first_verse = i.first_verse AND m.last_verse = i.last_verse";

std::vector<Addition> additions() {
  const QString passage(kSamePassage);
  return {
      {1,
       "INSERT INTO main.readings (chapter, first_verse, last_verse, way, plays_heard,"
       " turns_given, started_at, length_ms) SELECT chapter, first_verse, last_verse, way,"
       " plays_heard, turns_given, started_at, length_ms FROM incoming.readings i WHERE NOT"
       " EXISTS (SELECT 1 FROM main.readings m WHERE " +
           passage + " AND m.way = i.way AND m.started_at = i.started_at) ORDER BY i.id",
       &ImportCounts::readings},
      {2,
       "INSERT INTO main.reviews (chapter, first_verse, last_verse, grade, reviewed_at, state,"
       " due) SELECT chapter, first_verse, last_verse, grade, reviewed_at, state, due FROM"
       " incoming.reviews i WHERE NOT EXISTS (SELECT 1 FROM main.reviews m WHERE " +
           passage + " AND m.grade = i.grade AND m.reviewed_at = i.reviewed_at) ORDER BY i.id",
       &ImportCounts::reviews},
      // A passage's card is the one of its latest review, whichever machine gave it.
      {2,
       "INSERT OR REPLACE INTO main.cards SELECT chapter, first_verse, last_verse, state, due,"
       " last_review, stability, difficulty, scheduled_days, elapsed_days, reps, lapses,"
       " learning_step FROM incoming.cards i WHERE NOT EXISTS (SELECT 1 FROM main.cards m"
       " WHERE " +
           passage + " AND coalesce(m.last_review, m.due) >= coalesce(i.last_review, i.due))",
       &ImportCounts::cards},
  };
}

// The file's kind and schema version, from its SQLite header; none when it
// is no SQLite database.
struct Header {
  int kind = 0;
  int version = 0;
};

std::optional<Header> readHeader(QFile& file) {
  const QByteArray header = file.read(100);
  if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
    return std::nullopt;
  const auto bigEndian = [&header](int at) {
    int value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(header[at + i]);
    return value;
  };
  return Header{bigEndian(68), bigEndian(60)};
}

std::optional<QString> addFrom(const Connection& log, int version, ImportCounts& counts) {
  if (const QString wrong = wrongRows(log, version); !wrong.isEmpty()) return wrong;
  QSqlDatabase db = log.db();
  if (!db.transaction()) return db.lastError().text();
  for (const Addition& addition : additions()) {
    if (version < addition.fromVersion) continue;
    if (const std::optional<QString> error = log.run(addition.sql, {}, &(counts.*addition.count))) {
      db.rollback();
      return *error;
    }
  }
  if (!db.commit()) return db.lastError().text();
  return std::nullopt;
}

}  // namespace

std::string exportProgress(const std::string& log, const std::string& file,
                           Diagnostics& diagnostics) {
  const QString target = QString::fromStdString(file);
  if (QFileInfo::exists(target))
    return file + " exists already: progress is exported only to a new file";
  if (SqliteProgressStore(log, diagnostics).version() == 0)
    return "the practice log " + log + " cannot be opened";
  {
    const Connection source(QString::fromStdString(log));
    if (const std::optional<QString> error = source.run("VACUUM INTO ?", {target})) {
      QFile::remove(target);
      return file + " cannot be written (" + error->toStdString() + ")";
    }
  }
  const Connection written(target);
  if (const std::optional<QString> error =
          written.run(QString("PRAGMA application_id = %1").arg(kProgressFileKind))) {
    QFile::remove(target);
    return file + " cannot be written (" + error->toStdString() + ")";
  }
  return {};
}

std::variant<ImportCounts, std::string> importProgress(const std::string& log,
                                                       const std::string& file,
                                                       Diagnostics& diagnostics) {
  const QString source = QString::fromStdString(file);
  const auto refused = [&file](const QString& why) {
    return file + " is not imported: " + why.toStdString() + "; the practice log is as it was";
  };
  QFile bytes(source);
  if (!QFileInfo(source).isFile() || !bytes.open(QIODevice::ReadOnly))
    return refused("it cannot be read");
  if (bytes.size() > kLargestProgressFile)
    return refused(QString("it is larger (%1 bytes) than any progress file").arg(bytes.size()));
  const std::optional<Header> header = readHeader(bytes);
  bytes.close();
  if (!header || header->kind != kProgressFileKind)
    return refused("it is not a progress file exported by hifz");
  const int latest = progressSchema().back().to;
  if (header->version < 1 || header->version > latest)
    return refused(QString("its version (%1) is not one this program reads (1 to %2)")
                       .arg(header->version)
                       .arg(latest));
  if (SqliteProgressStore(log, diagnostics).version() == 0)
    return "the practice log " + log + " cannot be opened; nothing is imported";
  const Connection target(QString::fromStdString(log));
  if (const std::optional<QString> error = target.run("ATTACH DATABASE ? AS incoming", {source}))
    return refused(*error);
  ImportCounts counts;
  std::optional<QString> wrong;
  const std::optional<QVariant> check = target.value("PRAGMA incoming.quick_check");
  if (!check || check->toString() != "ok")
    wrong = "it is damaged";
  else
    wrong = addFrom(target, header->version, counts);
  target.run("DETACH DATABASE incoming");
  if (wrong) return refused(*wrong);
  return counts;
}

}  // namespace hifz
