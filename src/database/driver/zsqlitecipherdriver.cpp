#include "database/driver/zsqlitecipherdriver.h"

#include "database/codec/ciphervfs.h"
#include "database/driver/zsqlitecipherresult.h"
#include "database/driver/zsqlitecipherutil.h"

#include <QDebug>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlRecord>

#include <sqlite3.h>

namespace {

// A quoted name for PRAGMA arguments (no schema part).
QString quoteName(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// PRAGMA table_info columns.
enum TableInfoColumn { InfoName = 1, InfoType = 2, InfoNotNull = 3, InfoDefault = 4, InfoPrimaryKey = 5 };

} // namespace

ZSQLiteCipherDriver::ZSQLiteCipherDriver(QObject *parent)
    : QSqlDriver(parent)
{
    // Before QSqlDatabase first registers a connection, so that libcrypto
    // outlives Qt's exit-time closing of connections.
    CipherVfs::ensureRegistered();
}

ZSQLiteCipherDriver::~ZSQLiteCipherDriver()
{
    close();
}

void ZSQLiteCipherDriver::setKeyOverrideForTesting(const QByteArray &key)
{
    CipherVfs::setKeyOverride(std::string(key.constData(), size_t(key.size())));
}

bool ZSQLiteCipherDriver::hasFeature(DriverFeature feature) const
{
    switch (feature) {
    case Transactions:
    case BLOB:
    case Unicode:
    case PreparedQueries:
    case PositionalPlaceholders:
    case LastInsertId:
    case SimpleLocking:
    case FinishQuery:
    case LowPrecisionNumbers:
        return true;
    // Named placeholders are rewritten to positional ones by QSqlResult, which
    // also handles a name that occurs twice.
    case NamedPlaceholders:
    case QuerySize:
    case BatchOperations:
    case EventNotifications:
    case MultipleResultSets:
    case CancelQuery:
        return false;
    }
    return false;
}

bool ZSQLiteCipherDriver::open(const QString &db, const QString &, const QString &, const QString &, int,
                               const QString &connOpts)
{
    if (isOpen())
        close();
    int busyTimeout = 5000;
    bool readOnly = false;
    const QStringList options = connOpts.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &raw : options) {
        const QString option = raw.trimmed();
        if (option.startsWith(QLatin1String("QSQLITE_BUSY_TIMEOUT="))) {
            bool ok = false;
            const int value = option.mid(option.indexOf(QLatin1Char('=')) + 1).trimmed().toInt(&ok);
            if (ok && value >= 0)
                busyTimeout = value;
        } else if (option == QLatin1String("QSQLITE_OPEN_READONLY")) {
            readOnly = true;
        }
    }
    if (!CipherVfs::ensureRegistered()) {
        setLastError(QSqlError(QStringLiteral("Error opening database"), QStringLiteral("page codec unavailable"),
                               QSqlError::ConnectionError));
        setOpenError(true);
        return false;
    }
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) |
                      SQLITE_OPEN_PRIVATECACHE | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(db.toUtf8().constData(), &m_db, flags, CipherVfs::vfsName());
    if (rc != SQLITE_OK) {
        const QSqlError error = ZSQLiteCipherUtil::engineError(m_db, QStringLiteral("Error opening database"),
                                                               QSqlError::ConnectionError, rc);
        qDebug() << "ZSQLiteCipherDriver: cannot open" << db << error.databaseText();
        sqlite3_close(m_db);
        m_db = nullptr;
        setLastError(error);
        setOpenError(true);
        return false;
    }
    sqlite3_busy_timeout(m_db, busyTimeout);
    CipherVfs::configureConnection(m_db);
    setOpen(true);
    setOpenError(false);
    return true;
}

void ZSQLiteCipherDriver::close()
{
    // Statements first: the engine refuses to close with live ones.
    for (ZSQLiteCipherResult *result : qAsConst(m_results))
        result->finalizeStatement();
    if (m_db) {
        if (sqlite3_close(m_db) != SQLITE_OK) {
            setLastError(ZSQLiteCipherUtil::engineError(m_db, QStringLiteral("Error closing database"),
                                                        QSqlError::ConnectionError));
            qDebug() << "ZSQLiteCipherDriver: close failed" << lastError().databaseText();
            sqlite3_close_v2(m_db);
        }
        m_db = nullptr;
    }
    if (isOpen()) {
        setOpen(false);
        setOpenError(false);
    }
}

QSqlResult *ZSQLiteCipherDriver::createResult() const
{
    return new ZSQLiteCipherResult(this);
}

bool ZSQLiteCipherDriver::execSimple(const QString &sql, const QString &failureText, QSqlError::ErrorType type)
{
    if (!isOpen() || !m_db)
        return false;
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare16_v2(m_db, sql.constData(), int((sql.size() + 1) * sizeof(QChar)), &stmt, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(stmt);
    const bool ok = rc == SQLITE_DONE || rc == SQLITE_ROW;
    if (!ok) {
        setLastError(ZSQLiteCipherUtil::engineError(m_db, failureText, type));
        qDebug() << "ZSQLiteCipherDriver:" << failureText << lastError().databaseText();
    }
    sqlite3_finalize(stmt);
    return ok;
}

bool ZSQLiteCipherDriver::beginTransaction()
{
    return execSimple(QStringLiteral("BEGIN"), QStringLiteral("Unable to begin transaction"),
                      QSqlError::TransactionError);
}

bool ZSQLiteCipherDriver::commitTransaction()
{
    return execSimple(QStringLiteral("COMMIT"), QStringLiteral("Unable to commit transaction"),
                      QSqlError::TransactionError);
}

bool ZSQLiteCipherDriver::rollbackTransaction()
{
    return execSimple(QStringLiteral("ROLLBACK"), QStringLiteral("Unable to roll back transaction"),
                      QSqlError::TransactionError);
}

QList<QStringList> ZSQLiteCipherDriver::selectText(const QString &sql) const
{
    QList<QStringList> rows;
    if (!isOpen() || !m_db)
        return rows;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare16_v2(m_db, sql.constData(), int((sql.size() + 1) * sizeof(QChar)), &stmt, nullptr) !=
        SQLITE_OK) {
        qDebug() << "ZSQLiteCipherDriver: catalogue query failed"
                 << QString(reinterpret_cast<const QChar *>(sqlite3_errmsg16(m_db)));
        return rows;
    }
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < columns; ++c) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, c));
            row << (text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, c)) : QString());
        }
        rows << row;
    }
    sqlite3_finalize(stmt);
    return rows;
}

QStringList ZSQLiteCipherDriver::tables(QSql::TableType type) const
{
    QStringList names;
    QStringList kinds;
    if (type & QSql::Tables)
        kinds << QStringLiteral("type='table'");
    if (type & QSql::Views)
        kinds << QStringLiteral("type='view'");
    if (!kinds.isEmpty()) {
        const QString where = kinds.join(QLatin1String(" OR "));
        const auto rows = selectText(QStringLiteral("SELECT name FROM sqlite_master WHERE %1 "
                                                    "UNION ALL SELECT name FROM sqlite_temp_master WHERE %1")
                                         .arg(where));
        for (const QStringList &row : rows)
            names << row.value(0);
    }
    if (type & QSql::SystemTables)
        names << QStringLiteral("sqlite_master");
    return names;
}

QSqlRecord ZSQLiteCipherDriver::record(const QString &tableName) const
{
    QSqlRecord rec;
    const auto rows = selectText(QStringLiteral("PRAGMA table_info(%1)").arg(quoteName(tableName)));
    for (const QStringList &row : rows) {
        QSqlField field(row.value(InfoName), ZSQLiteCipherUtil::typeFromDeclaration(row.value(InfoType)), tableName);
        field.setRequiredStatus(row.value(InfoNotNull) == QLatin1String("0") ? QSqlField::Optional
                                                                             : QSqlField::Required);
        if (!row.value(InfoDefault).isNull())
            field.setDefaultValue(row.value(InfoDefault));
        // An INTEGER PRIMARY KEY is the row id: the engine fills it in.
        field.setAutoValue(row.value(InfoPrimaryKey) != QLatin1String("0") &&
                           row.value(InfoType).compare(QLatin1String("integer"), Qt::CaseInsensitive) == 0);
        rec.append(field);
    }
    return rec;
}

QSqlIndex ZSQLiteCipherDriver::primaryIndex(const QString &tableName) const
{
    QSqlIndex index(tableName, tableName);
    const auto rows = selectText(QStringLiteral("PRAGMA table_info(%1)").arg(quoteName(tableName)));
    // Key columns in key order (pk = 1, 2, ...).
    for (int position = 1; position <= rows.size(); ++position) {
        for (const QStringList &row : rows) {
            if (row.value(InfoPrimaryKey).toInt() == position)
                index.append(QSqlField(row.value(InfoName), ZSQLiteCipherUtil::typeFromDeclaration(row.value(InfoType)),
                                       tableName));
        }
    }
    return index;
}

QVariant ZSQLiteCipherDriver::handle() const
{
    return QVariant::fromValue(m_db);
}

QString ZSQLiteCipherDriver::escapeIdentifier(const QString &identifier, IdentifierType type) const
{
    if (identifier.isEmpty() || isIdentifierEscaped(identifier, type))
        return identifier;
    QString escaped = quoteName(identifier);
    escaped.replace(QLatin1Char('.'), QLatin1String("\".\""));
    return escaped;
}
