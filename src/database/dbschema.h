#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The two tables of the application database: their names, expected columns
// and the statements that create them. Shared by the database manager, the
// fixture builder and the checks that validate an incoming file.
namespace DbSchema {

QString sampleTable(); // "SampleInfoTable"
QString logTable();    // "LogInfoTable"

// Expected column names in SELECT * order.
const QStringList &sampleColumns(); // 92 columns
const QStringList &logColumns();    // 6 columns
const QStringList &columnsOf(const QString &table);

// CREATE TABLE plus the indexes that serve the program's queries.
QStringList createStatements(const QString &table);

// True when the table exists on db with exactly the expected column names
// (compared case-insensitively, in order).
bool tableMatches(const QSqlDatabase &db, const QString &table);

// Creates the table and its indexes; false (with a debug line) on failure.
bool createTable(QSqlDatabase &db, const QString &table);

// Creates whichever of the two tables is missing.
bool createMissingTables(QSqlDatabase &db);

// True when each of the two table names is either unused on db or names a
// table with rows of its own. A view, a virtual table or an index under one
// of these names passes a column check, but the program cannot create the
// table beside it and a view may never finish a query.
bool programTablesAreReal(const QSqlDatabase &db);

// Names of the views and triggers on db. The program creates none; in a
// received file they would run inside the live database.
QStringList viewsAndTriggers(const QSqlDatabase &db);

// True when PRAGMA quick_check reads every page and finds the file intact.
bool passesQuickCheck(const QSqlDatabase &db);

// Page cache of the program's connections, in KiB.
constexpr int kCacheKiB = 64 * 1024;

// Settings of an open connection: a page cache large enough to keep a
// clinic's whole database, so the history page's repeated reads do not
// decrypt the same pages again.
void applyConnectionSettings(QSqlDatabase &db);

} // namespace DbSchema
