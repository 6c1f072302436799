#pragma once

#include <QObject>
#include <QString>

// Opens, repairs, checks and replaces the application database. One instance
// lives on main()'s stack for the whole run; it owns the default connection.
class DbManage : public QObject
{
    Q_OBJECT
public:
    explicit DbManage(QObject *parent = nullptr);
    ~DbManage() override; // closes the default connection

    static DbManage *instance();   // the live instance, or nullptr
    static QString databasePath(); // "./app/AppDatabase.db"
    static QString backupPath();   // "./app/AppDatabase_backup.db"

    // Opens the default connection. A file the engine cannot read (wrong key,
    // not a database, damaged) is moved to the backup and a fresh one created.
    bool openDatabase();
    bool isOpen() const;
    bool wasRecreated() const;

    // Creates a missing table and compares both with their expected columns;
    // a table that differs is dropped and recreated, after the file was
    // copied to the backup (unless the newest backup holds it already).
    bool checkTables();

    // Installs another database file in place of the open one (import and the
    // instrument's upload). The source is copied and validated first; on any
    // failure the current database stays in place and open. The replaced file
    // becomes the newest backup unless that holds the same bytes already.
    // Once installed, the tables are checked as at start-up.
    bool replaceDatabase(const QString &sourcePath);

    // True when the file opens with the program's key and its sample table
    // carries the expected columns (the only table the program reads from a
    // received file; the log table is repaired after installing).
    static bool isValidDatabaseFile(const QString &path);

private:
    bool reopenDefault();

    bool m_recreated = false;
    static DbManage *s_instance;
};
