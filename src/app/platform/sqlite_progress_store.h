#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/diagnostics.h"
#include "platform/progress_store.h"

namespace hifz {

/// How the log names ways of reading, card states and grades, in the order
/// of their enums (grades from Again).
inline constexpr std::array<const char*, 5> kWays = {"one verse", "range once", "without end",
                                                     "step by step", "whole chapter"};
inline constexpr std::array<const char*, 4> kStates = {"new", "learning", "review", "relearning"};
inline constexpr std::array<const char*, 4> kGrades = {"again", "hard", "good", "easy"};

/// One step of the log's schema: brings a database of version `to - 1` to
/// version `to`, inside the transaction that also records the new version.
struct SchemaStep {
  int to = 0;
  std::vector<QString> statements;
};

/// What befell the practice log, for the learner to be told.
enum class LogTrouble { SetAside, NotKept };

/// The program's schema, step by step from an empty database.
const std::vector<SchemaStep>& progressSchema();

/// The practice log and the graded passages' cards in one SQLite file, through
/// Qt SQL, in WAL mode: each reading, and each grade with its card, in one
/// transaction, so that a program killed outright loses at
/// most the reading going on. A file that is not SQLite, is damaged, or has
/// a schema newer than this program's is set aside beside itself with the
/// date in its name, never deleted, and a new log starts; one that cannot be
/// opened or written is told once, and the program goes on without it.
class SqliteProgressStore final : public ProgressStore {
 public:
  SqliteProgressStore(const std::string& path, Diagnostics& diagnostics,
                      const std::vector<SchemaStep>& schema = progressSchema());
  ~SqliteProgressStore() override;
  SqliteProgressStore(const SqliteProgressStore&) = delete;
  SqliteProgressStore& operator=(const SqliteProgressStore&) = delete;

  void log(const Reading& reading) override;
  std::optional<Card> card(const Passage& passage) const override;
  void saveCard(const Passage& passage, const Card& card, Grade grade) override;
  std::vector<KeptCard> keptCards() const override;
  std::vector<Reading> readingsSince(std::int64_t since) const override;
  std::optional<Reading> lastReading(const Passage& passage) const override;
  /// Every reading kept, oldest first; none when the log is not open.
  std::vector<Reading> readings() const;
  /// The log's schema version; 0 when it is not open.
  int version() const;
  /// Calls `tell` once: at once for a trouble already met (at the start), or
  /// at the first one met later.
  void whenTroubled(std::function<void(LogTrouble)> tell);

 private:
  bool open(const std::vector<SchemaStep>& schema);
  void setAside(const std::string& why);
  void failed(const std::string& what, const QString& why);
  void troubled(LogTrouble trouble);

  QString path_;
  QString connection_;
  Diagnostics& diagnostics_;
  bool open_ = false;
  bool told_ = false;
  std::optional<LogTrouble> trouble_;
  std::function<void(LogTrouble)> tell_;
  bool learnerTold_ = false;
};

}  // namespace hifz
