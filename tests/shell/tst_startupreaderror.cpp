#include "support/testenv.h"

#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "app/appstartup.h"
#include "shell/widgets/messagedialog.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <cstring>
#include <sqlite3.h>

namespace {

// A file system layer under the page codec whose reads of database files
// fail with a chosen I/O error while g_readError is set, after g_readsToPass
// good reads, g_readsToFail times (-1: until cleared): a disk or share that
// hiccups while the program starts.
std::atomic<int> g_readError{SQLITE_OK};
std::atomic<int> g_readsToPass{0};
std::atomic<int> g_readsToFail{-1};
sqlite3_vfs g_faultVfs;
sqlite3_io_methods g_faultMethods;

struct FaultFile {
    sqlite3_file base;
    bool isDatabase;
    sqlite3_file *real() { return reinterpret_cast<sqlite3_file *>(this + 1); }
};

sqlite3_file *real(sqlite3_file *f)
{
    return reinterpret_cast<FaultFile *>(f)->real();
}

int faultRead(sqlite3_file *f, void *buf, int amount, sqlite3_int64 offset)
{
    const int error = g_readError.load();
    if (error != SQLITE_OK && reinterpret_cast<FaultFile *>(f)->isDatabase && g_readsToFail != 0 &&
        g_readsToPass-- <= 0) {
        if (g_readsToFail > 0 && --g_readsToFail == 0)
            g_readError = SQLITE_OK;
        return error;
    }
    return real(f)->pMethods->xRead(real(f), buf, amount, offset);
}

int faultClose(sqlite3_file *f)
{
    return real(f)->pMethods ? real(f)->pMethods->xClose(real(f)) : SQLITE_OK;
}
// clang-format off
int faultWrite(sqlite3_file *f, const void *b, int n, sqlite3_int64 o) { return real(f)->pMethods->xWrite(real(f), b, n, o); }
int faultTruncate(sqlite3_file *f, sqlite3_int64 s) { return real(f)->pMethods->xTruncate(real(f), s); }
int faultSync(sqlite3_file *f, int flags) { return real(f)->pMethods->xSync(real(f), flags); }
int faultFileSize(sqlite3_file *f, sqlite3_int64 *s) { return real(f)->pMethods->xFileSize(real(f), s); }
int faultLock(sqlite3_file *f, int l) { return real(f)->pMethods->xLock(real(f), l); }
int faultUnlock(sqlite3_file *f, int l) { return real(f)->pMethods->xUnlock(real(f), l); }
int faultCheckReserved(sqlite3_file *f, int *out) { return real(f)->pMethods->xCheckReservedLock(real(f), out); }
int faultFileControl(sqlite3_file *f, int op, void *arg) { return real(f)->pMethods->xFileControl(real(f), op, arg); }
int faultSectorSize(sqlite3_file *f) { return real(f)->pMethods->xSectorSize(real(f)); }
int faultDevice(sqlite3_file *f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); }
// clang-format on

int faultOpen(sqlite3_vfs *vfs, const char *name, sqlite3_file *file, int flags, int *outFlags)
{
    auto *base = static_cast<sqlite3_vfs *>(vfs->pAppData);
    auto *ff = reinterpret_cast<FaultFile *>(file);
    std::memset(ff, 0, sizeof(FaultFile));
    ff->isDatabase = flags & SQLITE_OPEN_MAIN_DB;
    const int rc = base->xOpen(base, name, ff->real(), flags, outFlags);
    if (rc == SQLITE_OK || ff->real()->pMethods)
        ff->base.pMethods = &g_faultMethods;
    return rc;
}

// Put in as the default file system before the page codec looks for its own
// lower layer, which it does once, at the first database it opens.
void installFaultVfs()
{
    sqlite3_initialize();
    sqlite3_vfs *base = sqlite3_vfs_find(nullptr);
    g_faultVfs = *base;
    g_faultVfs.zName = "vireon-test-faults";
    g_faultVfs.pAppData = base;
    g_faultVfs.szOsFile = int(sizeof(FaultFile)) + base->szOsFile;
    g_faultVfs.xOpen = faultOpen;
    g_faultVfs.pNext = nullptr;
    // Forwarders of the base VFS's own calls take the base as their first
    // argument: wrap the ones SQLite reaches through this VFS.
    g_faultVfs.xDelete = [](sqlite3_vfs *v, const char *n, int s) {
        auto *b = static_cast<sqlite3_vfs *>(v->pAppData);
        return b->xDelete(b, n, s);
    };
    g_faultVfs.xAccess = [](sqlite3_vfs *v, const char *n, int f, int *o) {
        auto *b = static_cast<sqlite3_vfs *>(v->pAppData);
        return b->xAccess(b, n, f, o);
    };
    g_faultVfs.xFullPathname = [](sqlite3_vfs *v, const char *n, int size, char *o) {
        auto *b = static_cast<sqlite3_vfs *>(v->pAppData);
        return b->xFullPathname(b, n, size, o);
    };
    g_faultVfs.iVersion = 2;
    g_faultVfs.xSetSystemCall = nullptr;
    g_faultVfs.xGetSystemCall = nullptr;
    g_faultVfs.xNextSystemCall = nullptr;

    g_faultMethods = sqlite3_io_methods{};
    g_faultMethods.iVersion = 1; // no shared memory, no memory mapping
    g_faultMethods.xClose = faultClose;
    g_faultMethods.xRead = faultRead;
    g_faultMethods.xWrite = faultWrite;
    g_faultMethods.xTruncate = faultTruncate;
    g_faultMethods.xSync = faultSync;
    g_faultMethods.xFileSize = faultFileSize;
    g_faultMethods.xLock = faultLock;
    g_faultMethods.xUnlock = faultUnlock;
    g_faultMethods.xCheckReservedLock = faultCheckReserved;
    g_faultMethods.xFileControl = faultFileControl;
    g_faultMethods.xSectorSize = faultSectorSize;
    g_faultMethods.xDeviceCharacteristics = faultDevice;
    sqlite3_vfs_register(&g_faultVfs, 1);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList backups()
{
    return QDir(QStringLiteral("./app")).entryList({QStringLiteral("AppDatabase_backup*")}, QDir::Files);
}

} // namespace

// Start-up over a database that cannot be read right now: only a file whose
// content is not ours or is damaged is moved aside; after any other read
// error the file stays, the user is told, and the program does not go on.
class TstStartupReadError : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFaultVfs(); }

    void init()
    {
        g_readError = SQLITE_OK;
        for (const QString &name :
             QDir(QStringLiteral("./app")).entryList({QStringLiteral("AppDatabase*")}, QDir::Files))
            QFile::remove(QStringLiteral("./app/") + name);
        MessageDialog::clearShownTexts();
    }

    void openAfterAReadError_data()
    {
        QTest::addColumn<int>("readError");
        QTest::addColumn<int>("pass");
        QTest::addColumn<int>("times");
        QTest::addColumn<bool>("movedAside");
        QTest::newRow("read error") << int(SQLITE_IOERR_READ) << 0 << -1 << false;
        QTest::newRow("plain I/O error") << int(SQLITE_IOERR) << 0 << -1 << false;
        QTest::newRow("lock error") << int(SQLITE_IOERR_RDLOCK) << 0 << -1 << false;
        QTest::newRow("one failed page read") << int(SQLITE_IOERR_READ) << 1 << 1 << false;
        // What the page codec reports for a page that fails authentication:
        // the page read after the file's salt.
        QTest::newRow("page fails authentication") << int(SQLITE_IOERR_DATA) << 1 << 1 << true;
    }

    void openAfterAReadError()
    {
        QFETCH(int, readError);
        QFETCH(int, pass);
        QFETCH(int, times);
        QFETCH(bool, movedAside);
        const QString path = DbManage::databasePath();
        const int rows = DemoDataBuilder::build(path, 6, 20);
        QVERIFY(rows > 0);
        const QByteArray before = readAll(path);

        g_readsToPass = pass;
        g_readsToFail = times;
        g_readError = readError;
        DbManage db;
        ModalAnswerer::answerNext(1, nullptr, 2000);
        const bool open = AppStartup::openDatabase(db);
        g_readError = SQLITE_OK;

        if (movedAside) {
            QVERIFY(open);
            QVERIFY(db.wasRecreated());
            QCOMPARE(readAll(DbManage::backupPath()), before);
            QVERIFY(MessageDialog::shownTexts().isEmpty());
            return;
        }
        QVERIFY(!open);
        QVERIFY(!db.isOpen());
        QVERIFY(!db.wasRecreated());
        QCOMPARE(readAll(path), before); // left in place, untouched
        QVERIFY(backups().isEmpty());
        QCOMPARE(MessageDialog::shownTexts(), QStringList{AppStartup::databaseUnavailableText()});

        // Once the disk reads again, everything is there.
        DbManage again;
        QVERIFY(again.openDatabase());
        QVERIFY(!again.wasRecreated());
        QCOMPARE(SampleInfoAccess::getCount(), rows);
    }
};

VIREON_TEST_MAIN(TstStartupReadError)
#include "tst_startupreaderror.moc"
