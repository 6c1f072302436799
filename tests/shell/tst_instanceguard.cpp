#include "shell/instanceguard.h"
#include "support/testenv.h"

#include <QProcess>

#include <csignal>

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
} // namespace

// The holder is this same test executable started again with one test
// function and the key and lock file in the environment: a real second
// process.
class TstInstanceGuard : public QObject
{
    Q_OBJECT
private:
    static bool startHolder(QProcess &holder, const QString &lock)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kHoldEnv), uniqueKey());
        env.insert(QString::fromLatin1(kHoldLockEnv), lock);
        env.insert(QStringLiteral("VIREON_TEST_WORKROOT"), TestEnv::instance()->workDir());
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
        QEventLoop loop; // until killed
        loop.exec();
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
    }

    void liveInstanceBlocksStaleSegmentDoesNot()
    {
        if (qEnvironmentVariableIsSet(kHoldEnv))
            QSKIP("helper");
        const QString lock = lockPath(QStringLiteral("killed"));
        QProcess holder;
        QVERIFY(startHolder(holder, lock));
        InstanceGuard blocked(uniqueKey(), lock);
        QVERIFY(!blocked.acquire()); // a live instance holds it
        // Killed without any clean-up: the segment and the lock file stay behind.
        ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(QFile::exists(lock));
        InstanceGuard afterCrash(uniqueKey(), lock);
        QVERIFY(afterCrash.acquire());
    }
};

VIREON_TEST_MAIN(TstInstanceGuard)
#include "tst_instanceguard.moc"
