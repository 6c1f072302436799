#include "database/driver/zsqlitecipherresult.h"

#include "database/driver/zsqlitecipherdriver.h"
#include "database/driver/zsqlitecipherutil.h"

#include <QDateTime>
#include <QDebug>
#include <QSqlField>

#include <sqlite3.h>

using ZSQLiteCipherUtil::engineError;

Q_DECLARE_OPAQUE_POINTER(sqlite3_stmt *)
Q_DECLARE_METATYPE(sqlite3_stmt *)

ZSQLiteCipherResult::ZSQLiteCipherResult(const ZSQLiteCipherDriver *driver)
    : QSqlResult(driver)
{
    // The driver finalizes its statements before it closes the connection.
    const_cast<ZSQLiteCipherDriver *>(driver)->m_results.append(this);
}

ZSQLiteCipherResult::~ZSQLiteCipherResult()
{
    if (auto *drv = static_cast<const ZSQLiteCipherDriver *>(driver()))
        const_cast<ZSQLiteCipherDriver *>(drv)->m_results.removeOne(this);
    finalizeStatement();
}

QVariant ZSQLiteCipherResult::handle() const
{
    return QVariant::fromValue(m_stmt);
}

sqlite3 *ZSQLiteCipherResult::connection() const
{
    auto *drv = static_cast<const ZSQLiteCipherDriver *>(driver());
    return drv ? drv->m_db : nullptr;
}

QSqlError ZSQLiteCipherResult::engineError(const QString &text, QSqlError::ErrorType type) const
{
    QSqlError error = ZSQLiteCipherUtil::engineError(connection(), text, type);
    qDebug() << "ZSQLiteCipherResult:" << text << error.databaseText() << "code" << error.nativeErrorCode();
    return error;
}

void ZSQLiteCipherResult::finalizeStatement()
{
    if (m_stmt) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
    clearRows();
    m_bound.clear();
    m_columns = 0;
    m_rowPending = false;
    m_done = true;
    m_recordValid = false;
}

void ZSQLiteCipherResult::clearRows()
{
    m_rows.clear();
    m_keptRows = 0;
    m_lastRowKept = false;
}

bool ZSQLiteCipherResult::reset(const QString &query)
{
    if (!prepare(query))
        return false;
    return exec();
}

bool ZSQLiteCipherResult::prepare(const QString &query)
{
    finalizeStatement();
    m_prepareError = QSqlError();
    setSelect(false);
    sqlite3 *db = connection();
    if (!db) {
        m_prepareError = QSqlError(QStringLiteral("Database is not open"), QString(), QSqlError::ConnectionError);
        setLastError(m_prepareError);
        return false;
    }
    const void *tail = nullptr;
    const int rc = sqlite3_prepare16_v2(db, query.constData(), int((query.size() + 1) * sizeof(QChar)), &m_stmt, &tail);
    if (rc != SQLITE_OK) {
        m_prepareError = engineError(QStringLiteral("Unable to execute statement"), QSqlError::StatementError);
    } else if (tail &&
               !ZSQLiteCipherUtil::onlyTrivia(static_cast<const QChar *>(tail), query.constData() + query.size())) {
        // One text, one statement: what follows the first one is never run.
        m_prepareError = QSqlError(QStringLiteral("Unable to execute multiple statements at a time"), QString(),
                                   QSqlError::StatementError, QString::number(SQLITE_MISUSE));
    } else if (!m_stmt) {
        m_prepareError = QSqlError(QStringLiteral("No statement in the query text"), QString(),
                                   QSqlError::StatementError, QString::number(SQLITE_MISUSE));
    }
    if (m_prepareError.isValid()) {
        finalizeStatement();
        setLastError(m_prepareError);
        return false;
    }
    return true;
}

bool ZSQLiteCipherResult::bindValues()
{
    m_bound = boundValues();
    if (m_bound.isEmpty()) {
        // Unbound parameters are NULL; drop pointers into released values.
        sqlite3_clear_bindings(m_stmt);
        return true;
    }
    if (sqlite3_bind_parameter_count(m_stmt) != m_bound.size()) {
        setLastError(QSqlError(QStringLiteral("Parameter count mismatch"), QString(), QSqlError::StatementError,
                               QString::number(SQLITE_RANGE)));
        return false;
    }
    for (int i = 0; i < m_bound.size(); ++i) {
        const QVariant &value = m_bound.at(i);
        const int pos = i + 1;
        int rc = SQLITE_OK;
        if (value.isNull()) {
            rc = sqlite3_bind_null(m_stmt, pos);
        } else {
            switch (value.userType()) {
            case QMetaType::QByteArray: {
                // m_bound keeps the bytes alive until the statement is re-run.
                const auto *bytes = static_cast<const QByteArray *>(value.constData());
                rc = sqlite3_bind_blob(m_stmt, pos, bytes->constData(), bytes->size(), SQLITE_STATIC);
                break;
            }
            case QMetaType::Int:
            case QMetaType::Bool:
                rc = sqlite3_bind_int(m_stmt, pos, value.toInt());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(m_stmt, pos, value.toDouble());
                break;
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Char:
            case QMetaType::SChar:
            case QMetaType::UChar:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::Long:
            case QMetaType::ULong:
                // Small integer types as numbers, not as one character.
                rc = sqlite3_bind_int64(m_stmt, pos, value.toLongLong());
                break;
            case QMetaType::QString: {
                const auto *text = static_cast<const QString *>(value.constData());
                rc = sqlite3_bind_text16(m_stmt, pos, text->utf16(), int(text->size() * sizeof(QChar)), SQLITE_STATIC);
                break;
            }
            case QMetaType::QDateTime: {
                const QString text = value.toDateTime().toString(Qt::ISODateWithMs);
                rc = sqlite3_bind_text16(m_stmt, pos, text.utf16(), int(text.size() * sizeof(QChar)), SQLITE_TRANSIENT);
                break;
            }
            case QMetaType::QTime: {
                const QString text = value.toTime().toString(QStringLiteral("hh:mm:ss.zzz"));
                rc = sqlite3_bind_text16(m_stmt, pos, text.utf16(), int(text.size() * sizeof(QChar)), SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QString text = value.toString();
                rc = sqlite3_bind_text16(m_stmt, pos, text.utf16(), int(text.size() * sizeof(QChar)), SQLITE_TRANSIENT);
                break;
            }
            }
        }
        if (rc != SQLITE_OK) {
            setLastError(engineError(QStringLiteral("Unable to bind parameters"), QSqlError::StatementError));
            return false;
        }
    }
    return true;
}

bool ZSQLiteCipherResult::exec()
{
    clearRows();
    m_rowPending = false;
    m_done = true;
    m_recordValid = false;
    setAt(QSql::BeforeFirstRow);
    if (!m_stmt) {
        setLastError(m_prepareError.isValid()
                         ? m_prepareError
                         : QSqlError(QStringLiteral("No prepared statement"), QString(), QSqlError::StatementError));
        setActive(false);
        return false;
    }
    sqlite3_reset(m_stmt);
    if (!bindValues()) {
        setActive(false);
        return false;
    }
    m_forwardOnly = isForwardOnly();
    m_columns = sqlite3_column_count(m_stmt);
    // Step once: errors (a wrong key included) show here, and statements
    // without rows are complete.
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        m_rowPending = true;
        m_done = false;
    } else if (rc == SQLITE_DONE) {
        sqlite3_reset(m_stmt);
    } else {
        setLastError(engineError(QStringLiteral("Unable to execute statement"), QSqlError::StatementError));
        sqlite3_reset(m_stmt);
        setActive(false);
        return false;
    }
    setSelect(m_columns > 0);
    setActive(true);
    return true;
}

bool ZSQLiteCipherResult::stepRow()
{
    if (m_rowPending) {
        m_rowPending = false;
        return true;
    }
    if (m_done || !m_stmt)
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    m_done = true;
    if (rc != SQLITE_DONE)
        setLastError(engineError(QStringLiteral("Unable to fetch row"), QSqlError::ConnectionError));
    // Releases the read lock at once.
    sqlite3_reset(m_stmt);
    return false;
}

QVariant ZSQLiteCipherResult::columnValue(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        switch (numericalPrecisionPolicy()) {
        case QSql::LowPrecisionInt32:
            return QVariant(sqlite3_column_int(m_stmt, column));
        case QSql::LowPrecisionInt64:
            return QVariant(qlonglong(sqlite3_column_int64(m_stmt, column)));
        default:
            return QVariant(sqlite3_column_double(m_stmt, column));
        }
    case SQLITE_NULL:
        return QVariant(QVariant::String);
    case SQLITE_BLOB: {
        const auto *bytes = static_cast<const char *>(sqlite3_column_blob(m_stmt, column));
        return QVariant(QByteArray(bytes, sqlite3_column_bytes(m_stmt, column)));
    }
    default: {
        // Text is stored as UTF-8: one conversion, straight into the QString.
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column)));
    }
    }
}

void ZSQLiteCipherResult::keepCurrentRow()
{
    for (int c = 0; c < m_columns; ++c)
        m_rows.append(columnValue(c));
    ++m_keptRows;
}

bool ZSQLiteCipherResult::fetchNext()
{
    if (at() == QSql::AfterLastRow)
        return false;
    if (!m_forwardOnly)
        return fetch(at() + 1);
    if (m_lastRowKept || !stepRow())
        return false;
    setAt(at() + 1);
    return true;
}

bool ZSQLiteCipherResult::fetch(int index)
{
    if (index < 0 || !isActive() || !isSelect())
        return false;
    if (m_forwardOnly) {
        if (index < at())
            return false;
        while (at() < index)
            if (!fetchNext())
                return false;
        return true;
    }
    while (m_keptRows <= index) {
        if (!stepRow())
            return false;
        keepCurrentRow();
    }
    setAt(index);
    return true;
}

bool ZSQLiteCipherResult::fetchPrevious()
{
    if (m_forwardOnly)
        return false;
    return fetch(at() - 1);
}

bool ZSQLiteCipherResult::fetchFirst()
{
    if (m_forwardOnly && at() != QSql::BeforeFirstRow)
        return false;
    return fetch(0);
}

bool ZSQLiteCipherResult::fetchLast()
{
    if (!isActive() || !isSelect())
        return false;
    if (!m_forwardOnly) {
        while (stepRow())
            keepCurrentRow();
        if (m_keptRows == 0 || lastError().isValid())
            return false;
        setAt(m_keptRows - 1);
        return true;
    }
    // Forward only: walk to the end keeping just the row under the cursor.
    int index = at();
    if (index >= 0 && !m_lastRowKept) {
        clearRows();
        keepCurrentRow();
    }
    while (stepRow()) {
        clearRows();
        keepCurrentRow();
        ++index;
    }
    if (index < 0 || m_keptRows == 0 || lastError().isValid())
        return false;
    m_lastRowKept = true;
    setAt(index);
    return true;
}

QVariant ZSQLiteCipherResult::data(int column)
{
    if (column < 0 || column >= m_columns || at() < 0)
        return QVariant();
    if (m_forwardOnly)
        return m_lastRowKept ? m_rows.at(column) : columnValue(column);
    return m_rows.at(at() * m_columns + column);
}

bool ZSQLiteCipherResult::isNull(int column)
{
    if (column < 0 || column >= m_columns || at() < 0)
        return true;
    if (m_forwardOnly && !m_lastRowKept)
        return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
    return m_rows.at((m_forwardOnly ? 0 : at()) * m_columns + column).isNull();
}

int ZSQLiteCipherResult::size()
{
    return -1;
}

int ZSQLiteCipherResult::numRowsAffected()
{
    sqlite3 *db = connection();
    return db ? sqlite3_changes(db) : -1;
}

QVariant ZSQLiteCipherResult::lastInsertId() const
{
    sqlite3 *db = connection();
    if (isActive() && db) {
        const qint64 id = sqlite3_last_insert_rowid(db);
        if (id)
            return QVariant(id);
    }
    return QVariant();
}

QSqlRecord ZSQLiteCipherResult::record() const
{
    if (!isActive() || !isSelect() || !m_stmt)
        return QSqlRecord();
    if (!m_recordValid) {
        m_record.clear();
        for (int c = 0; c < m_columns; ++c) {
            const QString name(reinterpret_cast<const QChar *>(sqlite3_column_name16(m_stmt, c)));
            const auto *decl = reinterpret_cast<const QChar *>(sqlite3_column_decltype16(m_stmt, c));
            const QVariant::Type type =
                decl ? ZSQLiteCipherUtil::typeFromDeclaration(QString(decl)) : QVariant::Invalid;
            QSqlField field(name, type);
            if (const auto *table = reinterpret_cast<const QChar *>(sqlite3_column_table_name16(m_stmt, c)))
                field.setTableName(QString(table));
            m_record.append(field);
        }
        m_recordValid = true;
    }
    return m_record;
}

void ZSQLiteCipherResult::detachFromResultSet()
{
    if (m_stmt)
        sqlite3_reset(m_stmt);
    m_rowPending = false;
    m_done = true;
}
