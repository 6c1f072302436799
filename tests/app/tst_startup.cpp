#include "app/appstartup.h"
#include "app/funwidgetfactory.h"
#include "app/unixsignalquit.h"
#include "app/vireon.h"
#include "core/common.h"
#include "core/messageids.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "shell/appearance.h"
#include "shell/appglobals.h"
#include "shell/widgets/messagedialog.h"
#include "stubwidgets.h"
#include "support/testenv.h"

#include <atomic>
#include <csignal>
#include <sqlite3.h>

namespace {

// The default file system, its main database files' reads swapped: while g_readError is set they fail with it
// after g_readsToPass good reads, g_readsToFail times (-1: until cleared), as a disk that hiccups at start-up.
std::atomic<int> g_readError{SQLITE_OK}, g_readsToPass{0}, g_readsToFail{-1};
sqlite3_vfs g_faultVfs, *g_baseVfs = nullptr;
sqlite3_io_methods g_faultMethods;
const sqlite3_io_methods *g_baseMethods = nullptr;

int faultRead(sqlite3_file *f, void *buf, int amount, sqlite3_int64 offset)
{
    const int error = g_readError.load();
    if (error != SQLITE_OK && g_readsToFail != 0 && g_readsToPass-- <= 0) {
        if (g_readsToFail > 0 && --g_readsToFail == 0)
            g_readError = SQLITE_OK;
        return error;
    }
    return g_baseMethods->xRead(f, buf, amount, offset);
}

int faultOpen(sqlite3_vfs *, const char *name, sqlite3_file *file, int flags, int *outFlags)
{
    const int rc = g_baseVfs->xOpen(g_baseVfs, name, file, flags, outFlags);
    if (file->pMethods && (flags & SQLITE_OPEN_MAIN_DB)) {
        g_baseMethods = file->pMethods;
        g_faultMethods = *file->pMethods;
        g_faultMethods.iVersion = 1; // no shared memory, no memory mapping: every read comes here
        g_faultMethods.xRead = faultRead;
        file->pMethods = &g_faultMethods;
    }
    return rc;
}

// Put in as the default file system before the page codec looks for its own
// lower layer, which it does once, at the first database it opens.
void installFaultVfs()
{
    sqlite3_initialize();
    g_baseVfs = sqlite3_vfs_find(nullptr);
    g_faultVfs = *g_baseVfs;
    g_faultVfs.zName = "vireon-test-faults";
    g_faultVfs.pNext = nullptr;
    g_faultVfs.xOpen = faultOpen;
    sqlite3_vfs_register(&g_faultVfs, 1);
}

} // namespace

// Start-up as main() runs it, in-process, against a real encrypted database.
class TstStartup : public QObject
{
    Q_OBJECT
    static QString debugLogText()
    {
        QString text;
        QDirIterator it(TestEnv::instance()->path(QStringLiteral("app/debugLog")), {"DebugLog_*.txt"}, QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly))
                text += QString::fromUtf8(file.readAll());
        }
        return text;
    }

    // The real program, offscreen in the test's working folder. A temporary folder of its own keeps its
    // single-instance key apart from other copies on this machine.
    static bool startProgram(QProcess &program, const QString &tempDir)
    {
        QDir().mkpath(tempDir);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("VIREON_LOOPBACK_ONLY"), QStringLiteral("1"));
        env.insert(QStringLiteral("TMPDIR"), tempDir);
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(TestEnv::instance()->workDir());
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(VIREON_BINARY_DIR "/src/vireon"), QStringList());
        return program.waitForStarted();
    }

private slots:
    void initTestCase()
    {
        installFaultVfs();
        FunWidgetFactory::setProviderForTesting([](int id) -> IFunWidget * { return StubPage::getInstance(id); });
    }

    void init()
    {
        g_readError = SQLITE_OK;
        for (const QString &name : QDir("./app").entryList({"AppDatabase*"}, QDir::Files))
            QFile::remove("./app/" + name);
        MessageDialog::clearShownTexts();
    }

    // The folders are made; what an install or upload cut short by a crash left in ./app goes at start-up; the
    // database, its backups and other files stay.
    void foldersMadeAndLeftoversRemoved()
    {
        for (const QString &folder : AppStartup::appFolders())
            QDir(folder).removeRecursively();
        QVERIFY(AppStartup::createAppFolders());
        for (const char *folder : {"app/config", "app/debugLog", "app/Logo", "app/print", "app/PdfFile"})
            QVERIFY2(QDir(TestEnv::instance()->path(QString::fromLatin1(folder))).exists(), folder);

        const QStringList leftovers{"AppDatabase_incoming_a1B2c3.tmp",   ".AppDatabase.db.received-3",
                                    ".AppDatabase.db.received-4.Xy12ab", "AppDatabase_backup.db.Qw12er.tmp",
                                    "AppDatabase.db.Ab3dE9.tmp",         ".AppDatabase.db.received-4294967295"};
        // Also kept: names that only look like the program's (other case, other endings).
        const QStringList kept = QStringList{"AppDatabase.db", "AppDatabase_backup.db", "notes.tmp", ".received-1"} +
                                 QStringList{"appdatabase notes.TMP",
                                             "AppDatabase.tmp",
                                             "AppDatabase_incoming_a1B2c3.TMP",
                                             "appdatabase_incoming_a1B2c3.tmp",
                                             "AppDatabase_incoming_a1B2c3d.tmp",
                                             "AppDatabase_backup.db.Qw12er.tmp.keep",
                                             ".appdatabase.db.received-3",
                                             ".AppDatabase.db.received-3.bak",
                                             ".AppDatabase.db.received-03"};
        QCOMPARE(TestEnv::writeFiles("./app", leftovers + kept), QStringList());
        AppStartup::removeLeftovers();
        QCOMPARE(TestEnv::existingFiles("./app", leftovers), QStringList());
        QCOMPARE(TestEnv::existingFiles("./app", kept), kept);

        // Out of range means the source language (each language's own file: tst_settingpages).
        for (int language : {6, -1})
            QCOMPARE(Appearance::translationFile(language), QStringLiteral("./app/lan/VNX03_zh.qm"));
    }

    // A file that cannot be read: kept as the backup, a fresh database made,
    // the message shown, and the window up and running.
    void damagedDatabaseIsBackedUpAndReported()
    {
        // Folders were removed by the test above; the staged files are gone too.
        AppStartup::createAppFolders();
        const QByteArray junk = TestEnv::patternBytes(8192, 131);
        QVERIFY(TestEnv::writeFile(DbManage::databasePath(), junk));

        DbManage db;
        QVERIFY(AppStartup::openDatabase(db));
        QVERIFY(db.wasRecreated());
        QCOMPARE(TestEnv::readFile(DbManage::backupPath()), junk);
        QCOMPARE(SampleInfoAccess::getCount(), 0);

        Vireon window;
        MessageDialog::clearShownTexts();
        MessageDialog::pushNextAnswer(1);
        AppStartup::startMainWindow(window, db);
        QCOMPARE(MessageDialog::shownTexts(), QStringList{AppStartup::databaseRecreatedText()});
        QVERIFY(window.isVisible());
        QCOMPARE(window.currentPageId(), int(IFunWidget::WGT_HISTROY));
        QVERIFY(window.networkThread());
        QVERIFY(window.networkThread()->isRunning());

        window.deal_app_quit();
        QVERIFY(!window.networkThread()->isRunning());
    }

    // Start-up over a database that cannot be read right now: only a file whose content is not ours or is damaged is
    // moved aside; after any other read error the file stays, the user is told, and the program does not go on.
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
        // What the page codec reports for a page that fails authentication: the page read after the file's salt.
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
        const QByteArray before = TestEnv::readFile(path);

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
            QCOMPARE(TestEnv::readFile(DbManage::backupPath()), before);
            QVERIFY(MessageDialog::shownTexts().isEmpty());
            return;
        }
        QVERIFY(!open);
        QVERIFY(!db.isOpen());
        QVERIFY(!db.wasRecreated());
        QCOMPARE(TestEnv::readFile(path), before); // left in place, untouched
        QVERIFY(QDir("./app").entryList({"AppDatabase_backup*"}, QDir::Files).isEmpty());
        QCOMPARE(MessageDialog::shownTexts(), QStringList{AppStartup::databaseUnavailableText()});

        // Once the disk reads again, everything is there.
        DbManage again;
        QVERIFY(again.openDatabase());
        QVERIFY(!again.wasRecreated());
        QCOMPARE(SampleInfoAccess::getCount(), rows);
    }

    // A cleaner empties the temporary folder, where the shared-memory guard keeps its key file, while the program
    // runs, and new files take the freed places: a second copy started in the same folder still only shows its notice.
    void secondProgramRefusedAfterTheTemporaryFolderIsCleaned()
    {
        QVERIFY(DemoDataBuilder::build(TestEnv::instance()->path(QStringLiteral("app/AppDatabase.db")), 2, 3) > 0);
        const QString tempDir = TestEnv::instance()->path(QStringLiteral("cleaned-tmp"));
        QProcess first, second;
        QVERIFY2(startProgram(first, tempDir), qPrintable(first.errorString()));
        // Its window is up: the connect at start-up reports the link down.
        QTRY_VERIFY_WITH_TIMEOUT(debugLogText().contains("Vireon link status: disconnected"), 20000);
        QVERIFY(!QDir(tempDir).entryList({"qipc_sharedmemory_*"}, QDir::Files).isEmpty());

        QVERIFY(QDir(tempDir).removeRecursively());
        QVERIFY(QDir().mkpath(tempDir));
        for (int i = 0; i < 20; ++i)
            QVERIFY(TestEnv::writeFile(QDir(tempDir).filePath(QStringLiteral("new-%1.tmp").arg(i)), "x"));
        const int windowsBefore = debugLogText().count("Vireon link status: disconnected");
        QVERIFY2(startProgram(second, tempDir), qPrintable(second.errorString()));
        // Refused, it waits in its notice; let through, it shows its window and reports the link down.
        const bool decided = QTest::qWaitFor(
            [&]() {
                const QString log = debugLogText();
                return log.contains("InstanceGuard: cannot lock") ||
                       log.count("Vireon link status: disconnected") > windowsBefore ||
                       second.state() == QProcess::NotRunning;
            },
            20000);
        TestEnv::stopProcess(second);
        first.terminate(); // its own end takes its segment along
        first.waitForFinished(20000);
        TestEnv::stopProcess(first);
        QVERIFY(decided);
        QCOMPARE(debugLogText().count("Vireon link status: disconnected"), windowsBefore);
    }

    // The real program, started offscreen in the test's working folder against the fake instrument on loopback: the
    // link must come up, and a SIGTERM must end the program through its orderly shutdown.
    void linkComesUpAndSigtermQuitsCleanly()
    {
        // The program's side is held until it starts; the fake takes the same port on its own address.
        HeldPort programSide(HeldPort::Udp, QStringLiteral("127.0.0.1"));
        const quint16 port = programSide.port();
        QVERIFY(port != 0);
        TestEnv::seedIni({{"NetConfig/HostAddress", "127.0.0.2"},
                          {"NetConfig/LocalIpAddr", "127.0.0.1"},
                          {"NetConfig/HostPort", QString::number(port)}});
        QVERIFY(DemoDataBuilder::build(TestEnv::instance()->path(QStringLiteral("app/AppDatabase.db")), 4, 3) > 0);

        QProcess fake;
        QVERIFY(TestEnv::startFakeInstrument(fake, {"--address", "127.0.0.2", "--port", QString::number(port)}));

        QProcess program;
        programSide.release();
        QVERIFY2(startProgram(program, TestEnv::instance()->path(QStringLiteral("tmp"))),
                 qPrintable(program.errorString()));

        const auto linkedOrEnded = [&]() {
            return debugLogText().contains("Vireon link status: connected (lamp green)") ||
                   program.state() == QProcess::NotRunning;
        };
        if (!QTest::qWaitFor(linkedOrEnded, 20000) || program.state() == QProcess::NotRunning) {
            TestEnv::stopProcess(program);
            TestEnv::stopProcess(fake);
            QFAIL(qPrintable("no link:\n" + debugLogText() + QString::fromLocal8Bit(program.readAll())));
        }

        program.terminate(); // SIGTERM
        const bool finished = program.waitForFinished(20000);
        TestEnv::stopProcess(program);
        TestEnv::stopProcess(fake);
        QVERIFY(finished);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QString after = debugLogText();
        QVERIFY(after.contains("Application is about to close. Performing cleanup."));
        QVERIFY(after.contains("worker threads stopped"));
    }

    // Last: it runs the application's own event loop. A stop signal taken by a nested loop of start-up (the 100 ms
    // wait, a message box) must still end the program once its main loop runs, through the usual quit.
    void stopSignalDuringStartUpEndsTheMainLoop()
    {
        QVERIFY(UnixSignalQuit::install());
        ::raise(SIGTERM);
        for (int i = 0; i < 50 && !UnixSignalQuit::quitRequested(); ++i)
            Common::getInstance()->delayMs(100);
        QVERIFY(UnixSignalQuit::quitRequested());

        QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(10000, qApp, []() { QCoreApplication::exit(3); }); // hung
        QCOMPARE(AppStartup::runEventLoop(), 0);
        QCOMPARE(aboutToQuit.count(), 1);
    }
};

VIREON_TEST_MAIN(TstStartup)
#include "moc_stubwidgets.cpp"
#include "tst_startup.moc"
