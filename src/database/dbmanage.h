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

    // Why an install did not happen: the file is not one the program takes
    // (Refused), or it could not be put in place, a full disk for example
    // (Failed).
    enum class InstallError { None, Refused, Failed };

    // Installs another database file in place of the open one (the import).
    // The source is copied and validated first; on any failure the current
    // database stays in place, unchanged and open. The replaced file becomes
    // the newest backup unless that holds the same bytes already. Once
    // installed, the tables are checked as at start-up; the file keeps the
    // mode of the one it replaced.
    bool replaceDatabase(const QString &sourcePath, InstallError *error = nullptr);
    // The same for a file of the program's own in ./app that is not needed
    // afterwards (the instrument's upload): it is moved instead of copied, so
    // installing needs no room for a second copy. The file is gone afterwards.
    bool installReceivedDatabase(const QString &receivedPath, InstallError *error = nullptr);

    // True when the file opens with the program's key, holds nothing but the
    // two tables (plain, without hidden or generated columns), indexes on
    // their plain columns and the engine's own objects, its sample table has
    // the expected columns (the only table the program reads from a received
    // file; the log table is repaired after installing), every page reads
    // back intact, and a row can be written to each table (tried inside a
    // transaction that is rolled back: the file's bytes stay as they were).
    static bool isValidDatabaseFile(const QString &path);

    // Removes the private copies of installs that a crash interrupted;
    // returns how many. Only while no install runs: at start-up.
    static int removeStaleInstallFiles();

private:
    bool reopenDefault();
    // Takes source into a private file in ./app (copy or move), then installs it.
    using TakeFile = QString (*)(const QString &src, const QString &folder, const QString &prefix);
    bool install(const QString &source, TakeFile take, InstallError *error);
    InstallError installIncoming(const QString &incoming);

    bool m_recreated = false;
};
