#include "database/demodatabuilder.h"
#include "pages/pagefixture.h"
#include "support/testenv.h"

// The real program, started offscreen in the test's working folder against
// the fake instrument on loopback: the link must come up, and a SIGTERM must
// end the program through its orderly shutdown.
class TstVireonProcess : public QObject
{
    Q_OBJECT
private:
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

private slots:
    void linkComesUpAndSigtermQuitsCleanly()
    {
        const quint16 port = TestEnv::freeUdpPort(QStringLiteral("127.0.0.2"));
        QVERIFY(port != 0);
        TestEnv::seedIni({{"NetConfig/HostAddress", "127.0.0.2"},
                          {"NetConfig/LocalIpAddr", "127.0.0.1"},
                          {"NetConfig/HostPort", QString::number(port)}});
        QVERIFY(DemoDataBuilder::build(TestEnv::instance()->path(QStringLiteral("app/AppDatabase.db")), 4, 3) > 0);

        QProcess fake;
        QVERIFY(PageFixture::startFake(fake, {"--address", "127.0.0.2", "--port", QString::number(port)}));

        // A temp folder of its own keeps the program's single-instance key
        // apart from any other copy running on this machine.
        QDir().mkpath(TestEnv::instance()->path(QStringLiteral("tmp")));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("VIREON_LOOPBACK_ONLY"), QStringLiteral("1"));
        env.insert(QStringLiteral("TMPDIR"), TestEnv::instance()->path(QStringLiteral("tmp")));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(TestEnv::instance()->workDir());
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(VIREON_BINARY_DIR "/src/vireon"), QStringList());
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));

        const auto linkedOrEnded = [&]() {
            return debugLogText().contains("Vireon link status: connected (lamp green)") ||
                   program.state() == QProcess::NotRunning;
        };
        if (!QTest::qWaitFor(linkedOrEnded, 20000) || program.state() == QProcess::NotRunning) {
            PageFixture::stopFake(program);
            PageFixture::stopFake(fake);
            QFAIL(qPrintable("no link:\n" + debugLogText() + QString::fromLocal8Bit(program.readAll())));
        }

        program.terminate(); // SIGTERM
        const bool finished = program.waitForFinished(20000);
        PageFixture::stopFake(program);
        PageFixture::stopFake(fake);
        QVERIFY(finished);
        QCOMPARE(qMakePair(program.exitStatus(), program.exitCode()), qMakePair(QProcess::NormalExit, 0));
        const QString after = debugLogText();
        QVERIFY(after.contains("Application is about to close. Performing cleanup.") &&
                after.contains("worker threads stopped"));
    }
};

VIREON_TEST_MAIN(TstVireonProcess)
#include "tst_vireonprocess.moc"
