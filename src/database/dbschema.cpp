#include "database/dbschema.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace DbSchema {

QString sampleTable()
{
    return QStringLiteral("SampleInfoTable");
}

QString logTable()
{
    return QStringLiteral("LogInfoTable");
}

const QStringList &sampleColumns()
{
    static const QStringList columns = [] {
        QStringList c{QStringLiteral("Key"),      QStringLiteral("PanelType"), QStringLiteral("SampleId"),
                      QStringLiteral("SBTId"),    QStringLiteral("PIEId"),     QStringLiteral("PatientId"),
                      QStringLiteral("NoteInfo"), QStringLiteral("isDone"),    QStringLiteral("Result"),
                      QStringLiteral("date"),     QStringLiteral("time")};
        for (int i = 1; i <= 40; ++i)
            c << QStringLiteral("data%1").arg(i);
        c << QStringLiteral("ctvalue");
        for (int i = 1; i <= 40; ++i)
            c << QStringLiteral("prodata%1").arg(i);
        return c;
    }();
    return columns;
}

const QStringList &logColumns()
{
    static const QStringList columns{QStringLiteral("Key"),   QStringLiteral("ID"),   QStringLiteral("Outline"),
                                     QStringLiteral("Daily"), QStringLiteral("Date"), QStringLiteral("Time")};
    return columns;
}

const QStringList &columnsOf(const QString &table)
{
    static const QStringList none;
    if (table == sampleTable())
        return sampleColumns();
    if (table == logTable())
        return logColumns();
    return none;
}

QStringList createStatements(const QString &table)
{
    if (table == sampleTable()) {
        QStringList defs{QStringLiteral("Key TEXT PRIMARY KEY"),
                         QStringLiteral("PanelType INTEGER"),
                         QStringLiteral("SampleId TEXT"),
                         QStringLiteral("SBTId TEXT"),
                         QStringLiteral("PIEId TEXT"),
                         QStringLiteral("PatientId TEXT"),
                         QStringLiteral("NoteInfo TEXT"),
                         QStringLiteral("isDone INTEGER"),
                         QStringLiteral("Result INTEGER"),
                         QStringLiteral("date TEXT"),
                         QStringLiteral("time TEXT")};
        for (int i = 1; i <= 40; ++i)
            defs << QStringLiteral("data%1 INTEGER").arg(i);
        defs << QStringLiteral("ctvalue REAL");
        for (int i = 1; i <= 40; ++i)
            defs << QStringLiteral("prodata%1 INTEGER").arg(i);
        // The curve and report dialogs look rows up by date and time; the
        // query dialog counts a date range filtered by sample and patient
        // ID, which this index answers without reading the rows. The lists
        // count the done rows and page them newest key first: with the done
        // flag beside the key, rows skipped by OFFSET are passed over in the
        // index without reading them.
        return {QStringLiteral("CREATE TABLE SampleInfoTable (%1)").arg(defs.join(QStringLiteral(", "))),
                QStringLiteral("CREATE INDEX IF NOT EXISTS SampleInfoTable_date ON SampleInfoTable "
                               "(date, time, isDone, SampleId, PatientId)"),
                QStringLiteral("CREATE INDEX IF NOT EXISTS SampleInfoTable_done ON SampleInfoTable (Key, isDone)")};
    }
    if (table == logTable()) {
        return {QStringLiteral("CREATE TABLE LogInfoTable (Key TEXT PRIMARY KEY, ID INTEGER, Outline TEXT, "
                               "Daily TEXT, Date TEXT, Time TEXT)")};
    }
    return {};
}

bool tableMatches(const QSqlDatabase &db, const QString &table)
{
    const QSqlRecord record = db.record(table);
    const QStringList &expected = columnsOf(table);
    if (record.count() != expected.size())
        return false;
    for (int i = 0; i < record.count(); ++i) {
        if (record.fieldName(i).compare(expected.at(i), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

bool createTable(QSqlDatabase &db, const QString &table)
{
    QSqlQuery query(db);
    for (const QString &sql : createStatements(table)) {
        if (!query.exec(sql)) {
            qDebug() << "ERR: create table failed:" << table << query.lastError().text();
            return false;
        }
    }
    return true;
}

bool createMissingTables(QSqlDatabase &db)
{
    const QStringList existing = db.tables();
    for (const QString &table : {sampleTable(), logTable()}) {
        bool found = false;
        for (const QString &name : existing)
            found = found || name.compare(table, Qt::CaseInsensitive) == 0;
        if (!found && !createTable(db, table))
            return false;
    }
    return true;
}

QString nonTableProgramNamesQuery()
{
    // Identifiers compare without case in SQL: "sampleinfotable" is the same
    // name. Views and virtual tables have no pages of their own (rootpage 0).
    return QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name COLLATE NOCASE IN ('%1', '%2') "
                          "AND (type <> 'table' OR rootpage < 1)")
        .arg(sampleTable(), logTable());
}

QStringList viewsAndTriggers(const QSqlDatabase &db)
{
    QStringList names;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT type, name FROM sqlite_master WHERE type IN ('view', 'trigger')"))) {
        qDebug() << "ERR: schema query failed:" << query.lastError().text();
        return {QStringLiteral("(unreadable schema)")};
    }
    while (query.next())
        names << query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
    return names;
}

bool passesQuickCheck(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // One finding is enough to refuse; a page the codec cannot authenticate
    // fails the statement itself.
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")) || !query.next()) {
        qDebug() << "quick_check failed:" << query.lastError().text();
        return false;
    }
    const QString verdict = query.value(0).toString();
    if (verdict != QLatin1String("ok")) {
        qDebug() << "quick_check:" << verdict;
        return false;
    }
    return true;
}

void applyConnectionSettings(QSqlDatabase &db)
{
    QSqlQuery query(db);
    // The cache grows only as pages are read; negative sizes are in KiB.
    if (!query.exec(QStringLiteral("PRAGMA cache_size = -%1").arg(kCacheKiB)))
        qDebug() << "ERR: cache_size:" << query.lastError().text();
}

} // namespace DbSchema
