#include "shell/instanceguard.h"
#include "support/testenv.h"

#include <QProcess>

#include <csignal>
#include <cstdio>

namespace {
const char *const kHoldEnv = "VIREON_TEST_HOLD_GUARD";
const char *const kHoldLockEnv = "VIREON_TEST_HOLD_LOCK";

const auto uniqueKey = [] { return QStringLiteral("vireon-test-guard-%1").arg(QCoreApplication::applicationPid()); };

// The lock file of the guards under test, in this test's own app folder
// (the helper process runs in a folder of its own).
QString lockPath(const QString &name)
{
    return TestEnv::instance()->path(QStringLiteral("app/%1.lock").arg(name));
}

// Points this process's temporary folder elsewhere until it goes out of scope.
class TempDirOverride
{
public:
    explicit TempDirOverride(const QString &dir)
        : m_had(qEnvironmentVariableIsSet("TMPDIR"))
        , m_previous(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(dir));
    }
    ~TempDirOverride()
    {
        if (m_had)
            qputenv("TMPDIR", m_previous);
        else
            qunsetenv("TMPDIR");
    }

private:
    bool m_had;
    QByteArray m_previous;
};
} // namespace

// The holder is this same test executable started again with one test
// function and the key in the environment: a real second process. It holds
// the guard until a line (or the end) arrives on its standard input, or until
// it is killed.
class TstInstanceGuard : public QObject
{
    Q_OBJECT
private:
    static bool startHolder(QProcess &holder, const QString &key, const QString &lock, const QString &tempDir = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kHoldEnv), key);
        env.insert(QString::fromLatin1(kHoldLockEnv), lock);
        env.insert(QStringLiteral("VIREON_TEST_WORKROOT"), TestEnv::instance()->workDir());
        if (!tempDir.isEmpty())
            env.insert(QStringLiteral("TMPDIR"), tempDir);
        holder.setProcessEnvironment(env);
        holder.setProcessChannelMode(QProcess::MergedChannels);
        holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("holdGuard")});
        if (!holder.waitForStarted())
            return false;
        while (holder.waitForReadyRead(10000))
            if (holder.readAll().contains("HOLDING"))
                return true;
        return false;
    }

    static void endHolder(QProcess &holder)
    {
        holder.write("end\n");
        holder.closeWriteChannel();
        if (!holder.waitForFinished(10000))
            TestEnv::stopProcess(holder);
    }

    static QStringList entries(const QString &dir)
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

private slots:
    void holdGuard()
    {
        const QByteArray key = qgetenv(kHoldEnv);
        if (key.isEmpty())
            QSKIP("runs only as the helper process");
        InstanceGuard guard(QString::fromLatin1(key), qEnvironmentVariable(kHoldLockEnv));
        QVERIFY2(guard.acquire(), "helper could not take the guard");
        std::fprintf(stdout, "HOLDING\n");
        std::fflush(stdout);
        QFile in;
        QVERIFY(in.open(stdin, QIODevice::ReadOnly));
        in.readLine(); // until told to end, or killed
        guard.release();
    }

    void secondGuardInOneProcessIsRefused()
    {
        if (qEnvironmentVariableIsSet(kHoldEnv))
            QSKIP("helper");
        InstanceGuard first(uniqueKey() + QStringLiteral("-local"), lockPath(QStringLiteral("local")));
        QVERIFY(first.acquire());
        InstanceGuard second(uniqueKey() + QStringLiteral("-local"), lockPath(QStringLiteral("local")));
        QVERIFY(!second.acquire());
        first.release();
        QVERIFY(second.acquire()); // freed by the first holder's release
        second.release();
        QVERIFY(!QFile::exists(lockPath(QStringLiteral("local"))));
    }

    void liveInstanceBlocksStaleSegmentDoesNot()
    {
        if (qEnvironmentVariableIsSet(kHoldEnv))
            QSKIP("helper");
        const QString lock = lockPath(QStringLiteral("killed"));
        QProcess holder;
        QVERIFY(startHolder(holder, uniqueKey(), lock));
        InstanceGuard blocked(uniqueKey(), lock);
        QVERIFY(!blocked.acquire()); // a live instance holds it
        // Killed without any clean-up: the segment and the lock file stay behind.
        ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(QFile::exists(lock));
        InstanceGuard afterCrash(uniqueKey(), lock);
        QVERIFY(afterCrash.acquire());
    }

    // A cleaner empties the temporary folder while the first instance runs,
    // and new files take the freed places: the segment's key now points
    // elsewhere, yet a second instance in the same folder is still refused.
    void cleanedTempFolderStillRefusesASecondInstance()
    {
        if (qEnvironmentVariableIsSet(kHoldEnv))
            QSKIP("helper");
        const QString tempDir = TestEnv::instance()->path(QStringLiteral("cleaned-tmp"));
        QVERIFY(QDir().mkpath(tempDir));
        const TempDirOverride temp(tempDir);
        const QString key = uniqueKey() + QStringLiteral("-cleaned");
        const QString lock = lockPath(QStringLiteral("cleaned"));

        QProcess holder;
        QVERIFY(startHolder(holder, key, lock, tempDir));
        const QStringList keyFiles = entries(tempDir);
        QVERIFY2(!keyFiles.filter(QStringLiteral("qipc_sharedmemory")).isEmpty(), qPrintable(keyFiles.join(' ')));
        QVERIFY(QDir(tempDir).removeRecursively());
        QVERIFY(QDir().mkpath(tempDir));
        for (int i = 0; i < 20; ++i)
            QVERIFY(TestEnv::writeFile(QDir(tempDir).filePath(QStringLiteral("new-%1.tmp").arg(i)), "x"));

        InstanceGuard second(key, lock);
        const bool secondStarted = second.acquire();
        second.release();
        endHolder(holder);
        QVERIFY(!secondStarted);
        QCOMPARE(holder.exitCode(), 0);
        // The first instance's end frees the way.
        InstanceGuard afterEnd(key, lock);
        QVERIFY(afterEnd.acquire());
    }
};

VIREON_TEST_MAIN(TstInstanceGuard)
#include "tst_instanceguard.moc"
