#include "database/driver/zsqlitecipherutil.h"

#include <sqlite3.h>

namespace ZSQLiteCipherUtil {

QSqlError engineError(sqlite3 *db, const QString &driverText, QSqlError::ErrorType type, int code)
{
    QString databaseText;
    if (db) {
        databaseText = QString(reinterpret_cast<const QChar *>(sqlite3_errmsg16(db)));
        if (code == -1)
            code = sqlite3_errcode(db);
    }
    return QSqlError(driverText, databaseText, type, QString::number(code & 0xff));
}

QVariant::Type typeFromDeclaration(const QString &declaredType)
{
    const QString t = declaredType.trimmed().toLower();
    if (t == QLatin1String("integer") || t == QLatin1String("int"))
        return QVariant::Int;
    if (t == QLatin1String("double") || t == QLatin1String("float") || t == QLatin1String("real") ||
        t.startsWith(QLatin1String("numeric")))
        return QVariant::Double;
    if (t == QLatin1String("blob"))
        return QVariant::ByteArray;
    if (t == QLatin1String("boolean") || t == QLatin1String("bool"))
        return QVariant::Bool;
    return QVariant::String;
}

bool onlyTrivia(const QChar *p, const QChar *end)
{
    while (p < end) {
        const ushort c = p->unicode();
        if (c == ';' || (c != 0 && p->isSpace())) {
            ++p;
        } else if (c == '-' && p + 1 < end && p[1] == QLatin1Char('-')) {
            while (p < end && *p != QLatin1Char('\n'))
                ++p;
        } else if (c == '/' && p + 1 < end && p[1] == QLatin1Char('*')) {
            p += 2;
            while (p < end && !(*p == QLatin1Char('*') && p + 1 < end && p[1] == QLatin1Char('/')))
                ++p;
            p = p < end ? p + 2 : end;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace ZSQLiteCipherUtil
