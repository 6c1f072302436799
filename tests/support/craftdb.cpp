#include "support/craftdb.h"

#include "database/driver/zsqlitecipherdriver.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace CraftDb {

bool exec(const QString &path, const QStringList &statements, bool plain)
{
    static int counter = 0;
    const QString name = QStringLiteral("craftdb_%1").arg(++counter);
    bool ok = false;
    {
        QSqlDatabase db = plain ? QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name)
                                : QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, name);
        db.setDatabaseName(path);
        ok = db.open();
        if (ok)
            sqlite3_db_config(qvariant_cast<sqlite3 *>(db.driver()->handle()), SQLITE_DBCONFIG_DEFENSIVE, 0, nullptr);
        QSqlQuery query(db);
        for (const QString &sql : statements) {
            if (ok && !query.exec(sql)) {
                qWarning() << sql << query.lastError().text();
                ok = false;
            }
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QStringList disguisedTrigger()
{
    return {QStringLiteral("CREATE TRIGGER wipe AFTER INSERT ON LogInfoTable BEGIN DELETE FROM SampleInfoTable; END"),
            QStringLiteral("PRAGMA writable_schema = ON"),
            QStringLiteral("UPDATE sqlite_master SET type = 'TRIGGER' WHERE name = 'wipe'"),
            QStringLiteral("PRAGMA writable_schema = OFF")};
}

} // namespace CraftDb
