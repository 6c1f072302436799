#include "database/dbmanage.h"

#include "core/singleton.h"
#include "database/dbfileops.h"
#include "database/dbschema.h"
#include "database/driver/zsqlitecipherdriver.h"

#include <QAtomicInt>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

enum class Probe { Ok, Unreadable, Failed };

// The engine's primary result code carried by the driver's error, or -1.
int engineCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

// The connection's extended result code, or -1 without an open handle.
int extendedCode(const QSqlDatabase &db)
{
    sqlite3 *handle = db.driver() ? qvariant_cast<sqlite3 *>(db.driver()->handle()) : nullptr;
    return handle ? sqlite3_extended_errcode(handle) : -1;
}

// Errors that mean the file's content cannot be read with our key: not a
// database (also a wrong key), damaged pages, failed page authentication
// (the page codec's SQLITE_IOERR_DATA). Any other I/O error may pass (a
// disk or network share that hiccups) and a busy or locked file is not
// damaged either: those files are left alone.
bool isUnreadable(const QSqlError &error, int extended)
{
    switch (engineCode(error)) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT:
        return true;
    case SQLITE_IOERR:
        return extended == SQLITE_IOERR_DATA;
    case -1:
        break;
    default:
        return false;
    }
    const QString text = error.text();
    return text.contains(QLatin1String("not a database"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("malformed"), Qt::CaseInsensitive);
}

// Opens db and runs a first statement: the engine reads the file lazily, so
// only a statement shows whether the content is ours and intact.
Probe openAndProbe(QSqlDatabase &db, QSqlError *errorOut)
{
    if (!db.open()) {
        *errorOut = db.lastError();
        return isUnreadable(*errorOut, -1) ? Probe::Unreadable : Probe::Failed;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(DbSchema::nonTableProgramNamesQuery()) || !query.next()) {
        *errorOut = query.lastError();
        const int extended = extendedCode(db);
        query.finish();
        return isUnreadable(*errorOut, extended) ? Probe::Unreadable : Probe::Failed;
    }
    const bool foreignTables = query.value(0).toInt() > 0;
    query.finish();
    // Taken for damaged too: a file whose table names are views or other
    // objects cannot get its tables created and would stop every start.
    if (foreignTables) {
        *errorOut = QSqlError(QStringLiteral("the program's tables are not plain tables"), QString(),
                              QSqlError::ConnectionError, QString::number(SQLITE_CORRUPT));
        return Probe::Unreadable;
    }
    DbSchema::applyConnectionSettings(db);
    return Probe::Ok;
}

bool isCipherConnection(const QSqlDatabase &db)
{
    return dynamic_cast<ZSQLiteCipherDriver *>(db.driver()) != nullptr;
}

// The default connection on the program's driver, created when missing.
QSqlDatabase defaultConnection()
{
    const QString name = QLatin1String(QSqlDatabase::defaultConnection);
    if (QSqlDatabase::contains(name)) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            if (isCipherConnection(db))
                return db;
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    return QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, name);
}

QString appFolder()
{
    return QFileInfo(DbManage::databasePath()).path();
}

// True when the newest backup generation holds exactly the bytes of path: a
// further copy would push a distinct older state out for nothing.
bool newestBackupHolds(const QString &path)
{
    const QString backup = DbManage::backupPath();
    return QFileInfo::exists(backup) && DbFileOps::sameBytes(path, backup);
}

// Moves an unreadable file (and a journal beside it) to the backup name.
bool moveAside(const QString &path)
{
    if (!DbFileOps::rotate(DbManage::backupPath()))
        return false;
    const QString backup = DbManage::backupPath();
    if (!DbFileOps::renameOver(path, backup))
        return false;
    // A journal left behind would be rolled back into the fresh file.
    if (QFileInfo::exists(DbFileOps::journalOf(path)) &&
        !DbFileOps::renameOver(DbFileOps::journalOf(path), DbFileOps::journalOf(backup))) {
        DbFileOps::renameOver(backup, path);
        return false;
    }
    DbFileOps::syncFolder(appFolder());
    return true;
}

// What a file must be to take the live database's place, beyond opening
// with our key and plain program tables. Only the program's own kinds of
// object may come along: anything else, a trigger or view for one, would run
// in the live database. A damaged page would hide rows without an error; a
// constraint or index that fails every insert would lose the operation log.
bool acceptableForInstall(QSqlDatabase &db)
{
    const QStringList foreign = DbSchema::disallowedObjects(db);
    if (!foreign.isEmpty()) {
        qDebug() << "the file holds" << foreign;
        return false;
    }
    if (!DbSchema::tableMatches(db, DbSchema::sampleTable())) {
        qDebug() << "the sample table differs";
        return false;
    }
    return DbSchema::passesQuickCheck(db) && DbSchema::passesTrialWrite(db);
}

const QString kIncomingPrefix = QStringLiteral("AppDatabase_incoming_");

} // namespace

DbManage::DbManage(QObject *parent)
    : QObject(parent)
{
    Singleton<DbManage>::adopt(this); // the newest manager is the live one
}

DbManage::~DbManage()
{
    const QString name = QLatin1String(QSqlDatabase::defaultConnection);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    Singleton<DbManage>::forget(this);
}

DbManage *DbManage::instance()
{
    return Singleton<DbManage>::existing();
}

QString DbManage::databasePath()
{
    return QStringLiteral("%1/AppDatabase.db").arg(QStringLiteral("./app"));
}

QString DbManage::backupPath()
{
    return QStringLiteral("%1/AppDatabase_backup.db").arg(QStringLiteral("./app"));
}

bool DbManage::openDatabase()
{
    m_recreated = false;
    if (!QDir().mkpath(appFolder())) {
        qDebug() << Q_FUNC_INFO << "ERR: cannot create" << appFolder();
        return false;
    }
    QSqlDatabase db = defaultConnection();
    db.close();
    db.setDatabaseName(databasePath());

    QSqlError error;
    Probe probe = openAndProbe(db, &error);
    if (probe == Probe::Unreadable) {
        qDebug() << Q_FUNC_INFO << "database unreadable:" << error.nativeErrorCode() << error.text();
        db.close();
        // The original goes only by renaming it to the backup: it is never
        // removed unless the backup holds it.
        if (!moveAside(databasePath())) {
            qDebug() << Q_FUNC_INFO << "ERR: backup failed, the file is left in place";
            return false;
        }
        probe = openAndProbe(db, &error);
        m_recreated = probe == Probe::Ok;
    }
    if (probe != Probe::Ok) {
        qDebug() << Q_FUNC_INFO << "ERR: open failed:" << error.nativeErrorCode() << error.text();
        db.close();
        return false;
    }
    // Triggers and views the program never made were let in by an earlier
    // version's install check; a trigger would run on the program's own
    // writes. They go, the rows stay.
    if (!DbSchema::triggersAndViews(db).isEmpty() && DbSchema::dropTriggersAndViews(db).isEmpty())
        qDebug() << Q_FUNC_INFO << "ERR: triggers or views could not be dropped";
    if (!DbSchema::createMissingTables(db)) {
        db.close();
        return false;
    }
    qDebug() << Q_FUNC_INFO << "database open" << (m_recreated ? "(recreated)" : "");
    return true;
}

bool DbManage::isOpen() const
{
    const QString name = QLatin1String(QSqlDatabase::defaultConnection);
    return QSqlDatabase::contains(name) && QSqlDatabase::database(name, false).isOpen();
}

bool DbManage::wasRecreated() const
{
    return m_recreated;
}

bool DbManage::checkTables()
{
    if (!isOpen()) {
        qDebug() << Q_FUNC_INFO << "ERR: database not open";
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database();
    if (!DbSchema::createMissingTables(db))
        return false;
    bool backedUp = false;
    for (const QString &table : {DbSchema::sampleTable(), DbSchema::logTable()}) {
        if (DbSchema::tableMatches(db, table))
            continue;
        qDebug() << Q_FUNC_INFO << "columns differ, recreating" << table;
        // A dropped table takes its rows along: keep the file first.
        if (!backedUp && !newestBackupHolds(databasePath())) {
            if (!DbFileOps::rotate(backupPath()) || !DbFileOps::durableCopy(databasePath(), backupPath())) {
                qDebug() << Q_FUNC_INFO << "ERR: backup failed, nothing dropped";
                return false;
            }
            backedUp = true;
        }
        db.transaction();
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("DROP TABLE %1").arg(table)) || !DbSchema::createTable(db, table)) {
            qDebug() << Q_FUNC_INFO << "ERR: recreate failed" << table << query.lastError().text();
            query.finish();
            db.rollback();
            return false;
        }
        query.finish();
        if (!db.commit()) {
            qDebug() << Q_FUNC_INFO << "ERR: commit failed" << db.lastError().text();
            db.rollback();
            return false;
        }
    }
    return true;
}

bool DbManage::isValidDatabaseFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    static QAtomicInt counter;
    const QString name = QStringLiteral("DbManage_validate_%1").arg(counter.fetchAndAddRelaxed(1));
    bool valid = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, name);
        db.setDatabaseName(path);
        QSqlError error;
        if (openAndProbe(db, &error) == Probe::Ok) {
            // Read-write for the trial write, which still never reaches the
            // file: the journal stays in memory and no changed page is
            // written out before the rollback.
            QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));
            QSqlQuery(db).exec(QStringLiteral("PRAGMA cache_spill = OFF"));
            valid = acceptableForInstall(db);
            if (!valid)
                qDebug() << Q_FUNC_INFO << "refused:" << path;
        } else {
            qDebug() << Q_FUNC_INFO << "not a database of ours:" << path << error.text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return valid;
}

bool DbManage::reopenDefault()
{
    QSqlDatabase db = defaultConnection();
    db.close();
    db.setDatabaseName(databasePath());
    QSqlError error;
    if (openAndProbe(db, &error) != Probe::Ok) {
        qDebug() << Q_FUNC_INFO << "ERR: reopen failed" << error.text();
        db.close();
        return false;
    }
    return true;
}

bool DbManage::replaceDatabase(const QString &sourcePath, InstallError *error)
{
    // Work on a private copy: the source may change or vanish meanwhile.
    return install(sourcePath, &DbFileOps::copyToTemp, error);
}

bool DbManage::installReceivedDatabase(const QString &receivedPath, InstallError *error)
{
    const bool installed = install(receivedPath, &DbFileOps::moveToTemp, error);
    QFile::remove(receivedPath);
    return installed;
}

bool DbManage::install(const QString &source, TakeFile take, InstallError *error)
{
    InstallError result = InstallError::Refused;
    if (!QFileInfo(source).isFile() || !QDir().mkpath(appFolder())) {
        qDebug() << Q_FUNC_INFO << "ERR: no source file" << source;
    } else {
        const QString incoming = take(source, appFolder(), kIncomingPrefix);
        result = incoming.isEmpty() ? InstallError::Failed : installIncoming(incoming);
    }
    if (error)
        *error = result;
    return result == InstallError::None;
}

int DbManage::removeStaleInstallFiles()
{
    // Only the names the program makes: the private copies of an install and
    // the temporary files of the durable copies behind the database and its
    // backup ("AppDatabase.db.XXXXXX.tmp"). A user's or the instrument's
    // file that merely looks alike stays.
    const QStringList prefixes{kIncomingPrefix, DbFileOps::durableCopyPrefix(databasePath()),
                               DbFileOps::durableCopyPrefix(backupPath())};
    int removed = 0;
    const QDir folder(appFolder());
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        bool ours = false;
        for (const QString &prefix : prefixes)
            ours = ours || DbFileOps::isTempName(name, prefix);
        if (!ours)
            continue;
        if (QFile::remove(folder.filePath(name)))
            ++removed;
        else
            qDebug() << Q_FUNC_INFO << "ERR: cannot remove" << name;
    }
    return removed;
}

DbManage::InstallError DbManage::installIncoming(const QString &incoming)
{
    struct RemoveOnExit {
        QString path;
        ~RemoveOnExit() { QFile::remove(path); }
    } cleanup{incoming};

    if (!isValidDatabaseFile(incoming)) {
        qDebug() << Q_FUNC_INFO << "ERR: not a valid database" << incoming;
        return InstallError::Refused;
    }
    const bool wasOpen = isOpen();
    {
        QSqlDatabase db = defaultConnection();
        db.close();
    }
    const auto fail = [this, wasOpen]() {
        if (wasOpen)
            reopenDefault();
        return InstallError::Failed;
    };
    const QString current = databasePath();
    const bool hadCurrent = QFileInfo::exists(current);
    // A journal left beside the file would be rolled back into the new one.
    if (QFileInfo::exists(DbFileOps::journalOf(current))) {
        qDebug() << Q_FUNC_INFO << "ERR: the current database has a pending journal";
        return fail();
    }
    if (hadCurrent && !newestBackupHolds(current) &&
        (!DbFileOps::rotate(backupPath()) || !DbFileOps::linkOrCopy(current, backupPath()))) {
        qDebug() << Q_FUNC_INFO << "ERR: backup of the current database failed";
        return fail();
    }
    if (!DbFileOps::replaceKeepingMode(incoming, current))
        return fail();
    DbFileOps::syncFolder(appFolder());
    if (reopenDefault() && DbSchema::tableMatches(QSqlDatabase::database(), DbSchema::sampleTable())) {
        // Only the sample table was required of the file: the log table is
        // brought in line as at start-up (created when missing, recreated
        // when its columns differ).
        if (!checkTables())
            qDebug() << Q_FUNC_INFO << "ERR: the log table of the installed file could not be repaired";
        return InstallError::None;
    }

    // Should not happen after the validation; put the previous file back.
    qDebug() << Q_FUNC_INFO << "ERR: the installed file did not open, restoring the previous one";
    QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).close();
    if (!hadCurrent)
        QFile::remove(current);
    else if (!DbFileOps::durableCopy(backupPath(), current))
        return InstallError::Failed;
    return fail();
}
