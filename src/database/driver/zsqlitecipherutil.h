#pragma once

#include <QSqlError>
#include <QString>
#include <QVariant>

struct sqlite3;

// Helpers shared by the driver and its results.
namespace ZSQLiteCipherUtil {

// An error carrying the engine's message (sqlite3_errmsg16) and its primary
// result code as the native error code. code -1 = the connection's last code.
QSqlError engineError(sqlite3 *db, const QString &driverText, QSqlError::ErrorType type, int code = -1);

// The Qt type of a column from its declared type ("INTEGER" -> Int, ...).
QVariant::Type typeFromDeclaration(const QString &declaredType);

// True when the text left after a statement holds nothing but white space,
// comments and semicolons.
bool onlyTrivia(const QChar *begin, const QChar *end);

} // namespace ZSQLiteCipherUtil
