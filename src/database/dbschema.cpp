#include "database/dbschema.h"

#include "database/driver/zsqlitecipherdriver.h"

#include <QDateTime>
#include <QDebug>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVector>

#include <functional>

#include <sqlite3.h>

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

namespace {

// An identifier as SQL text, for the statements that take no bound names.
QString quoted(const QString &name)
{
    QString text = name;
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

bool isProgramTable(const QString &name)
{
    return name.compare(sampleTable(), Qt::CaseInsensitive) == 0 || name.compare(logTable(), Qt::CaseInsensitive) == 0;
}

// What the engine makes of a schema row is decided by its SQL text, not by
// its type column, which it never reads back; both are looked at.
bool sqlCreates(const QString &sql, const char *pattern)
{
    const QRegularExpression re(QStringLiteral("^CREATE\\s+%1\\b").arg(QLatin1String(pattern)),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(sql).hasMatch();
}

struct SchemaRow {
    qint64 rowid = 0;
    QString type; // as stored: the engine takes any case
    QString name;
    QString tableName;
    QString sql; // null for the engine's own indexes
};

bool readSchema(const QSqlDatabase &db, QVector<SchemaRow> *rows)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT rowid, type, name, tbl_name, sql FROM sqlite_master"))) {
        qDebug() << "ERR: schema query failed:" << query.lastError().text();
        return false;
    }
    while (query.next()) {
        rows->append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString(), query.value(4).toString()});
    }
    return true;
}

struct Column {
    QString name;
    int hidden = 0; // 1 hidden in a virtual table, 2 and 3 generated
};

QVector<Column> columnsWithHidden(const QSqlDatabase &db, const QString &table)
{
    QVector<Column> columns;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("PRAGMA table_xinfo(%1)").arg(quoted(table)))) {
        qDebug() << "ERR: table_xinfo failed:" << table << query.lastError().text();
        return columns;
    }
    while (query.next())
        columns.append({query.value(1).toString(), query.value(6).toInt()});
    return columns;
}

bool hasOnlyPlainColumns(const QSqlDatabase &db, const QString &table)
{
    const QVector<Column> columns = columnsWithHidden(db, table);
    if (columns.isEmpty())
        return false;
    for (const Column &column : columns) {
        if (column.hidden != 0)
            return false;
    }
    return true;
}

// True when every key column of the index is a column of its table (cid -2
// is an expression, -1 the rowid) under one of the engine's own collations.
bool indexOnPlainColumns(const QSqlDatabase &db, const QString &index)
{
    static const QStringList builtInCollations{QStringLiteral("BINARY"), QStringLiteral("NOCASE"),
                                               QStringLiteral("RTRIM")};
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("PRAGMA index_xinfo(%1)").arg(quoted(index))))
        return false;
    int keys = 0;
    while (query.next()) {
        if (query.value(5).toInt() == 0)
            continue; // the rowid every index entry carries
        ++keys;
        if (query.value(1).toInt() < 0 || !builtInCollations.contains(query.value(4).toString(), Qt::CaseInsensitive))
            return false;
    }
    return keys > 0;
}

// Lower-case names of the indexes the engine keeps on the two tables that
// cover whole rows (no WHERE clause) and plain columns only.
QStringList plainIndexes(const QSqlDatabase &db)
{
    QStringList names;
    for (const QString &table : {sampleTable(), logTable()}) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("PRAGMA index_list(%1)").arg(quoted(table))))
            continue;
        QStringList candidates;
        while (query.next()) {
            if (query.value(4).toInt() == 0) // partial
                candidates << query.value(1).toString();
        }
        query.finish();
        for (const QString &index : qAsConst(candidates)) {
            if (indexOnPlainColumns(db, index))
                names << index.toLower();
        }
    }
    return names;
}

bool isInternalObject(const SchemaRow &row)
{
    static const QStringList tables{QStringLiteral("sqlite_sequence"), QStringLiteral("sqlite_stat1"),
                                    QStringLiteral("sqlite_stat2"), QStringLiteral("sqlite_stat3"),
                                    QStringLiteral("sqlite_stat4")};
    const QString type = row.type.toLower();
    // The index behind a PRIMARY KEY or UNIQUE constraint has no SQL text.
    if (type == QLatin1String("index"))
        return row.sql.isEmpty() && row.name.startsWith(QLatin1String("sqlite_autoindex_"), Qt::CaseInsensitive);
    return type == QLatin1String("table") && tables.contains(row.name, Qt::CaseInsensitive) &&
           sqlCreates(row.sql, "TABLE");
}

bool isTrigger(const SchemaRow &row)
{
    return row.type.compare(QLatin1String("trigger"), Qt::CaseInsensitive) == 0 ||
           sqlCreates(row.sql, "(TEMP\\s+|TEMPORARY\\s+)?TRIGGER");
}

bool isForeignView(const SchemaRow &row)
{
    const bool view = row.type.compare(QLatin1String("view"), Qt::CaseInsensitive) == 0 ||
                      sqlCreates(row.sql, "(TEMP\\s+|TEMPORARY\\s+)?VIEW");
    return view && !isProgramTable(row.name);
}

// One value in the form the program writes to each column type.
QVariant trialValue(const QString &column)
{
    static const QStringList texts{QStringLiteral("SampleId"), QStringLiteral("SBTId"),   QStringLiteral("PatientId"),
                                   QStringLiteral("NoteInfo"), QStringLiteral("Outline"), QStringLiteral("Daily")};
    const QDateTime now = QDateTime::currentDateTime();
    if (column.compare(QLatin1String("date"), Qt::CaseInsensitive) == 0)
        return now.toString(QStringLiteral("yyyyMMdd"));
    if (column.compare(QLatin1String("time"), Qt::CaseInsensitive) == 0)
        return now.toString(QStringLiteral("hhmmss"));
    if (column.compare(QLatin1String("PIEId"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("0");
    if (texts.contains(column, Qt::CaseInsensitive))
        return QStringLiteral("trial");
    if (column.compare(QLatin1String("ctvalue"), Qt::CaseInsensitive) == 0)
        return 41.0;
    return 0;
}

bool trialRow(QSqlDatabase &db, const QString &table)
{
    const QStringList &columns = columnsOf(table);
    // A key no row has; the row is gone again before the rollback anyway.
    const QString key = QStringLiteral("~trial-") + QUuid::createUuid().toString(QUuid::Id128);
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery query(db);
    bool ok = query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    query.addBindValue(key);
    for (int i = 1; ok && i < columns.size(); ++i)
        query.addBindValue(trialValue(columns.at(i)));
    ok = ok && query.exec();
    ok = ok && query.prepare(QStringLiteral("DELETE FROM %1 WHERE Key = ?").arg(table));
    query.addBindValue(key);
    ok = ok && query.exec() && query.numRowsAffected() == 1;
    if (!ok)
        qDebug() << "trial write failed on" << table << query.lastError().text();
    return ok;
}

// Runs work with the schema writable for this connection only, even where
// the engine was built to refuse that by default.
bool withWritableSchema(QSqlDatabase &db, const std::function<bool(QSqlQuery &)> &work)
{
    sqlite3 *handle = db.driver() ? qvariant_cast<sqlite3 *>(db.driver()->handle()) : nullptr;
    if (!handle)
        return false;
    int defensive = 0;
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, -1, &defensive);
    if (defensive)
        sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 0, nullptr);
    QSqlQuery query(db);
    bool ok = query.exec(QStringLiteral("PRAGMA writable_schema = ON"));
    ok = ok && work(query);
    if (!ok)
        qDebug() << "ERR: schema update failed:" << query.lastError().text();
    query.exec(QStringLiteral("PRAGMA writable_schema = OFF"));
    if (defensive)
        sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    return ok;
}

} // namespace

bool tableMatches(const QSqlDatabase &db, const QString &table)
{
    const QVector<Column> columns = columnsWithHidden(db, table);
    const QStringList &expected = columnsOf(table);
    if (columns.size() != expected.size())
        return false;
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).hidden != 0 || columns.at(i).name.compare(expected.at(i), Qt::CaseInsensitive) != 0)
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

QStringList disallowedObjects(const QSqlDatabase &db)
{
    QVector<SchemaRow> rows;
    if (!readSchema(db, &rows))
        return {QStringLiteral("(unreadable schema)")};
    const QStringList indexes = plainIndexes(db);
    QStringList names;
    for (const SchemaRow &row : qAsConst(rows)) {
        const QString type = row.type.toLower();
        bool allowed = false;
        if (row.name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive))
            allowed = isInternalObject(row);
        else if (type == QLatin1String("table"))
            allowed = isProgramTable(row.name) && sqlCreates(row.sql, "TABLE") && hasOnlyPlainColumns(db, row.name);
        else if (type == QLatin1String("index"))
            allowed = sqlCreates(row.sql, "(UNIQUE\\s+)?INDEX") && indexes.contains(row.name.toLower());
        if (!allowed)
            names << row.type + QLatin1Char(' ') + row.name;
    }
    return names;
}

bool passesTrialWrite(QSqlDatabase &db)
{
    if (!db.transaction()) {
        qDebug() << "trial write: no transaction:" << db.lastError().text();
        return false;
    }
    bool ok = true;
    for (const QString &table : {sampleTable(), logTable()}) {
        if (ok && (table == sampleTable() || tableMatches(db, table)))
            ok = trialRow(db, table);
    }
    if (!db.rollback())
        qDebug() << "trial write: rollback failed:" << db.lastError().text();
    return ok;
}

namespace {

// The schema rows of triggers and foreign views; none when the schema cannot be read.
QVector<SchemaRow> triggerAndViewRows(const QSqlDatabase &db)
{
    QVector<SchemaRow> rows;
    QVector<SchemaRow> found;
    if (!readSchema(db, &rows))
        return found;
    for (const SchemaRow &row : qAsConst(rows)) {
        if (isTrigger(row) || isForeignView(row))
            found << row;
    }
    return found;
}

} // namespace

QStringList triggersAndViews(const QSqlDatabase &db)
{
    QStringList names;
    for (const SchemaRow &row : triggerAndViewRows(db))
        names << row.type + QLatin1Char(' ') + row.name;
    return names;
}

QStringList dropTriggersAndViews(QSqlDatabase &db)
{
    const QVector<SchemaRow> found = triggerAndViewRows(db);
    if (found.isEmpty())
        return {};
    // DROP finds a trigger's row by the type 'trigger' and a view's by its
    // own name in tbl_name: a row spelt otherwise would stay and come back
    // at the next start.
    const auto canonical = [](const SchemaRow &row) {
        SchemaRow fixed = row;
        fixed.type = isTrigger(row) ? QStringLiteral("trigger") : QStringLiteral("view");
        if (fixed.type == QLatin1String("view"))
            fixed.tableName = row.name;
        return fixed;
    };
    if (!db.transaction()) {
        qDebug() << "ERR: cannot drop triggers and views:" << db.lastError().text();
        return {};
    }
    bool ok = withWritableSchema(db, [&](QSqlQuery &query) {
        for (const SchemaRow &row : qAsConst(found)) {
            const SchemaRow fixed = canonical(row);
            if (fixed.type == row.type && fixed.tableName == row.tableName)
                continue;
            query.prepare(QStringLiteral("UPDATE sqlite_master SET type = ?, tbl_name = ? WHERE rowid = ?"));
            query.addBindValue(fixed.type);
            query.addBindValue(fixed.tableName);
            query.addBindValue(row.rowid);
            if (!query.exec())
                return false;
        }
        return true;
    });
    QStringList dropped;
    QSqlQuery query(db);
    for (const SchemaRow &row : qAsConst(found)) {
        const QString kind = canonical(row).type.toUpper();
        ok = ok && query.exec(QStringLiteral("DROP %1 IF EXISTS %2").arg(kind, quoted(row.name)));
        if (ok)
            dropped << row.type + QLatin1Char(' ') + row.name;
    }
    if (ok)
        ok = triggersAndViews(db).isEmpty();
    query.finish();
    if (!ok || !db.commit()) {
        qDebug() << "ERR: dropping triggers and views failed:" << query.lastError().text() << db.lastError().text();
        db.rollback();
        return {};
    }
    for (const QString &name : qAsConst(dropped))
        qDebug() << "dropped from the database:" << name;
    return dropped;
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
