#pragma once

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <string>
#include <vector>

#include "platform/diagnostics.h"

namespace hifz::testing {

/// Keeps every line reported.
struct Lines final : Diagnostics {
  void report(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

/// Runs SQL on a file of the test's own, outside the program; a statement
/// that fails is one the test means to fail, or fails the test where it checks.
inline void rawSql(const QString& path, const QStringList& statements) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    for (const QString& sql : statements) QSqlQuery(db).exec(sql);
    db.close();
  }
  QSqlDatabase::removeDatabase("raw");
}

/// The first value `sql` gives on a file of the test's own; empty when none.
inline QString rawValue(const QString& path, const QString& sql) {
  QString value;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
    db.setDatabaseName(path);
    db.open();
    QSqlQuery query(db);
    if (query.exec(sql) && query.next()) value = query.value(0).toString();
    db.close();
  }
  QSqlDatabase::removeDatabase("raw");
  return value;
}

}  // namespace hifz::testing
