#pragma once

#include <QSqlError>
#include <QSqlRecord>
#include <QSqlResult>
#include <QVector>

struct sqlite3;
struct sqlite3_stmt;
class ZSQLiteCipherDriver;

// One statement of ZSQLiteCipherDriver.
//
// Forward-only queries read the values straight from the statement's current
// row, converting only the columns asked for. Scrollable queries (QSqlQuery's
// default) keep every row stepped over, so that seek() and previous() work;
// the rows are those of the first pass, as with Qt's own SQLite driver.
class ZSQLiteCipherResult : public QSqlResult
{
public:
    explicit ZSQLiteCipherResult(const ZSQLiteCipherDriver *driver);
    ~ZSQLiteCipherResult() override;

    QVariant handle() const override;
    // Releases the statement; called by the driver before it closes.
    void finalizeStatement();

protected:
    bool reset(const QString &query) override;
    bool prepare(const QString &query) override;
    bool exec() override;
    bool fetch(int index) override;
    bool fetchNext() override;
    bool fetchPrevious() override;
    bool fetchFirst() override;
    bool fetchLast() override;
    QVariant data(int column) override;
    bool isNull(int column) override;
    int size() override;
    int numRowsAffected() override;
    QVariant lastInsertId() const override;
    QSqlRecord record() const override;
    void detachFromResultSet() override;

private:
    sqlite3 *connection() const;
    QSqlError engineError(const QString &text, QSqlError::ErrorType type) const;
    bool bindValues();
    // Moves the statement to its next row; false at the end or on an error.
    bool stepRow();
    QVariant columnValue(int column) const;
    void keepCurrentRow();
    void clearRows();

    sqlite3_stmt *m_stmt = nullptr;
    int m_columns = 0;
    bool m_rowPending = false; // exec() stepped onto a row not handed out yet
    bool m_done = true;        // the statement has no more rows
    bool m_forwardOnly = false;
    bool m_lastRowKept = false; // forward-only fetchLast(): the row is in m_rows
    int m_keptRows = 0;
    QVector<QVariant> m_rows;  // kept rows, m_columns values each
    QVector<QVariant> m_bound; // owns the bound texts while the statement runs
    QSqlError m_prepareError;
    mutable QSqlRecord m_record;
    mutable bool m_recordValid = false;
};
