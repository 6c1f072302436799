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
// (compared case-insensitively, in order). Hidden and generated columns
// count: SELECT * returns a generated one, which shifts every position.
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

// The schema objects of db that a file to be installed may not hold, as
// "type name" texts; empty when the schema holds only the two tables (plain
// tables without hidden or generated columns), indexes on plain columns of
// them, and the engine's own objects. Anything else (a trigger or view, in
// whatever case its type is written, a virtual table, another table, an
// index on an expression or with a WHERE clause) would run inside the live
// database or break the program's writes.
QStringList disallowedObjects(const QSqlDatabase &db);

// Inserts one row into each of the two tables the program writes and deletes
// it again, inside a transaction that is rolled back; false (with a debug
// line) on the first error. Catches what makes the program's own writes fail:
// a CHECK constraint, an index calling a function no connection has, a
// trigger raising an error. The log table is tried only when its columns are
// the program's (else it is recreated after the install anyway).
bool passesTrialWrite(QSqlDatabase &db);

// Triggers (whatever the case of their type) and views not named like one of
// the two tables, as "type name" texts. The program creates none; one in the
// live database was installed by an earlier version.
QStringList triggersAndViews(const QSqlDatabase &db);

// Drops the objects triggersAndViews() lists, keeping every row; returns the
// dropped ones (with a debug line each). Rows whose type is spelt in another
// case are first given the engine's own spelling, which its DROP needs.
QStringList dropTriggersAndViews(QSqlDatabase &db);

// True when PRAGMA quick_check reads every page and finds the file intact.
bool passesQuickCheck(const QSqlDatabase &db);

// Page cache of the program's connections, in KiB.
constexpr int kCacheKiB = 64 * 1024;

// Settings of an open connection: a page cache large enough to keep a
// clinic's whole database, so the history page's repeated reads do not
// decrypt the same pages again.
void applyConnectionSettings(QSqlDatabase &db);

} // namespace DbSchema
