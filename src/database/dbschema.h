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

// A statement whose one value counts the schema objects that carry one of
// the two table names but are not tables with rows of their own: views,
// virtual tables, indexes. Such an object passes a column check, but the
// program cannot create its table beside it, and a view may never finish a
// query. It reads the schema only, as a first statement on a file may.
QString nonTableProgramNamesQuery();

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
