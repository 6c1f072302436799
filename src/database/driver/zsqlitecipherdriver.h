#pragma once

#include <QList>
#include <QMetaType>
#include <QSqlDriver>
#include <QSqlError>

struct sqlite3;
class ZSQLiteCipherResult;

Q_DECLARE_OPAQUE_POINTER(sqlite3 *)
Q_DECLARE_METATYPE(sqlite3 *)

// The program's Qt SQL driver: SQLite through the page codec (see
// database/codec/ciphervfs.h). Use as
//   QSqlDatabase::addDatabase(new ZSQLiteCipherDriver);
// open() succeeds for any file it can open; a wrong key or an unreadable file
// shows on the first statement as an error whose nativeErrorCode() is the
// engine's primary result code (26 not a database, 11 corrupt, 10 I/O error).
// handle() gives the sqlite3* (type name "sqlite3*") for extended codes.
//
// Connect options (';'-separated): QSQLITE_BUSY_TIMEOUT=<ms> (default 5000),
// QSQLITE_OPEN_READONLY.
class ZSQLiteCipherDriver : public QSqlDriver
{
    Q_OBJECT
    friend class ZSQLiteCipherResult;

public:
    explicit ZSQLiteCipherDriver(QObject *parent = nullptr);
    ~ZSQLiteCipherDriver() override;

    // Connections opened after this call use `key` in place of the
    // compiled-in key (empty = compiled-in). For wrong-key tests only.
    static void setKeyOverrideForTesting(const QByteArray &key);

    bool hasFeature(DriverFeature feature) const override;
    bool open(const QString &db, const QString &user, const QString &password, const QString &host, int port,
              const QString &connOpts) override;
    void close() override;
    QSqlResult *createResult() const override;
    bool beginTransaction() override;
    bool commitTransaction() override;
    bool rollbackTransaction() override;
    QStringList tables(QSql::TableType type) const override;
    QSqlRecord record(const QString &tableName) const override;
    QSqlIndex primaryIndex(const QString &tableName) const override;
    QVariant handle() const override;
    QString escapeIdentifier(const QString &identifier, IdentifierType type) const override;

    sqlite3 *connection() const { return m_db; }

private:
    bool execSimple(const QString &sql, const QString &failureText, QSqlError::ErrorType type);
    // Rows of a statement whose values are all text (catalogue queries).
    QList<QStringList> selectText(const QString &sql) const;

    sqlite3 *m_db = nullptr;
    QList<ZSQLiteCipherResult *> m_results;
};
