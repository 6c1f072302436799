// The file upload road end to end: the worker in its thread fetches from a
// fake instrument over loopback TCP; good, hostile and broken uploads, and the
// database file installed by the database manager's safe replace.
#include <QTcpSocket>

#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "link/filereceiver.h"
#include "linkfixture.h"

class TestFileReceiver : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LogCapture::install();
        m_rig = std::make_unique<WorkerRig>();
        m_source = TestEnv::instance()->path("upload-source.bin");
        QVERIFY(TestEnv::writeFile(m_source, TestEnv::patternBytes(3 * 1024 * 1024 + 17, 7)));
    }

    void init()
    {
        FileReceiver::setListenTimeoutMs(10000);
        FileReceiver::setIdleTimeoutMs(10000);
        m_rig->log.clear();
        m_rig->log.onEvent = nullptr;
        LogCapture::clear();
    }

    void cleanupTestCase() { m_rig.reset(); }

    void fetchWritesExactBytesWithThrottledProgress()
    {
        const QString source = TestEnv::instance()->path("big-source.bin");
        const QByteArray bytes = TestEnv::patternBytes(32 * 1024 * 1024 + 5, 11);
        QVERIFY(TestEnv::writeFile(source, bytes));
        const QString target = QStringLiteral("./app/run01.dat");
        QVERIFY(TestEnv::writeFile(target, "an older file of that name"));
        const QStringList before = appFolderEntries();

        FakeInstrumentProcess fake(fakeArgs(*m_rig, "127.0.0.2", {"--upload", source, "--upload-name", "run01.dat"}));
        QVERIFY(m_rig->connectTo(fake));
        m_rig->log.clear();
        QList<qint64> sizesAtFinal; // the final event must find the file already committed
        QElapsedTimer clock;
        m_rig->log.onEvent = [&](int id, const QVariant &data) {
            const TransferProgress p = TransferProgress::decode(data.toByteArray());
            if (id == NetEvt_FileProgress && p.received == p.total)
                sizesAtFinal << QFileInfo(target).size();
        };
        clock.start(); // spans every emission, however late the events arrive here
        m_rig->command(Cmd_FetchDataFile);
        QTRY_COMPARE_WITH_TIMEOUT(sizesAtFinal.size(), 1, 20000);
        const qint64 spanMs = clock.elapsed();
        m_rig->flush();
        QCOMPARE(sizesAtFinal, QList<qint64>{bytes.size()});
        QCOMPARE(TestEnv::readFile(target), bytes);
        QCOMPARE(appFolderEntries(), before); // replaced in place, no temporary left

        const QList<TransferProgress> events = progress();
        const qint64 total = events.last().total;
        QCOMPARE(total, qint64(16 + 4 + 2 * 9 + bytes.size()));
        qint64 last = 0;
        for (const TransferProgress &p : events) {
            QVERIFY(p.received > 0 && p.received >= last); // never 0 of 0, never backwards
            QCOMPARE(p.total, total);
            last = p.received;
        }
        QVERIFY2(events.size() <= spanMs / 50 + 3,
                 qPrintable(QString("%1 events in %2 ms").arg(events.size()).arg(spanMs)));
    }

    // Hostile names, a cut connection and an absurd header: no file appears
    // anywhere, an older file of that name stays, and no transfer is reported
    // complete.
    void failedUploadWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("misbehave");
        QTest::addColumn<QString>("logged");
        for (const char *name : {"../x", "/etc/passwd", "a/b", "", "..", ".hidden", "update.exe"})
            QTest::addRow("name '%s'", name) << QString(name) << QString() << QStringLiteral("file name refused");
        QTest::newRow("truncated") << "run02.dat" << QString("truncated") << "connection closed after";
        QTest::newRow("huge header") << "run05.dat" << QString("bad-header")
                                     << "bad header: total size 4611686018427387904 out of range";
    }

    void failedUploadWritesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, misbehave);
        QFETCH(QString, logged);
        const bool safeName = name.startsWith(QLatin1String("run"));
        if (safeName)
            QVERIFY(TestEnv::writeFile("./app/" + name, "OLD CONTENT"));
        const QStringList before = appFolderEntries();
        const QStringList workBefore = QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        FakeInstrumentProcess fake(uploadArgs(name, misbehave));
        QVERIFY(m_rig->connectTo(fake));
        m_rig->command(Cmd_FetchDataFile);
        QTRY_VERIFY(LogCapture::contains(logged));
        m_rig->flush();
        if (misbehave != QLatin1String("truncated"))
            QCOMPARE(m_rig->log.count(NetEvt_FileProgress), 0);
        for (const TransferProgress &p : progress())
            QVERIFY(p.received < p.total);
        if (safeName)
            QCOMPARE(TestEnv::readFile("./app/" + name), QByteArray("OLD CONTENT"));
        QCOMPARE(appFolderEntries(), before);
        QCOMPARE(QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), workBefore);
    }

    // An upload that stops sending: a second fetch meanwhile is ignored; the
    // transfer ends by the idle timeout or by closing the link, leaves no
    // temporary, and the next fetch completes.
    void stalledUploadEndsAndReceiverIsFreeAgain_data()
    {
        QTest::addColumn<bool>("closeLink");
        QTest::newRow("idle timeout") << false;
        QTest::newRow("link closed") << true;
    }

    void stalledUploadEndsAndReceiverIsFreeAgain()
    {
        QFETCH(bool, closeLink);
        FileReceiver::setIdleTimeoutMs(closeLink ? 10000 : 300);
        const QString target = QStringLiteral("./app/run03.dat");
        QFile::remove(target);
        const QStringList before = appFolderEntries();
        {
            FakeInstrumentProcess stalled(uploadArgs("run03.dat", "stalled"));
            QVERIFY(m_rig->connectTo(stalled));
            m_rig->command(Cmd_FetchDataFile);
            QVERIFY(stalled.waitFor(QStringLiteral("UPLOAD STALLED")));
            m_rig->command(Cmd_FetchDataFile);
            m_rig->flush();
            QVERIFY(LogCapture::contains(QStringLiteral("a transfer is already running; fetch ignored")));
            if (closeLink) {
                m_rig->command(Cmd_CloseLink);
                m_rig->flush();
                QVERIFY(LogCapture::contains(QStringLiteral("transfer ended: link closed")));
            } else {
                QTRY_VERIFY(LogCapture::contains(QStringLiteral("transfer idle for 300 ms")));
                m_rig->flush();
            }
            QCOMPARE(appFolderEntries(), before);
        }
        FakeInstrumentProcess good(uploadArgs("run03.dat"));
        QVERIFY(m_rig->connectTo(good));
        m_rig->command(Cmd_FetchDataFile);
        QTRY_COMPARE(TestEnv::readFile(target), TestEnv::readFile(m_source));
    }

    void listenTimesOutAndStrangersRefused()
    {
        FileReceiver::setListenTimeoutMs(1500);
        FakeInstrumentProcess silent(fakeArgs(*m_rig, "127.0.0.2", {"--misbehave", "no-answer"}));
        QVERIFY(m_rig->connectTo(silent, false));
        m_rig->command(Cmd_FetchDataFile);
        m_rig->flush();
        QVERIFY(LogCapture::contains(QStringLiteral("listening on 127.0.0.1")));

        QTcpSocket stranger;
        QVERIFY(stranger.bind(QHostAddress(QStringLiteral("127.0.0.5")), 0));
        stranger.connectToHost(QHostAddress(QStringLiteral("127.0.0.1")), m_rig->uploadPort);
        QTRY_VERIFY(LogCapture::contains(QStringLiteral("connection refused from 127.0.0.5")));
        QTRY_COMPARE(stranger.state(), QAbstractSocket::UnconnectedState);
        QTRY_VERIFY(LogCapture::contains(QStringLiteral("transfer ended: no connection within 1500 ms")));
    }

    // The window installs an upload only when its event loop gets to it (a
    // message box may hold it): a second upload must not land on the first.
    void databaseUploadsAreHandedOverWholeAndInstalled()
    {
        QVERIFY(DemoDataBuilder::build(DbManage::databasePath(), 1, 1) > 0);
        DbManage db;
        QVERIFY(db.openDatabase());
        const int rowsBefore = SampleInfoAccess::getCount();
        const QString source = TestEnv::instance()->path("instrument.db");
        struct Handed {
            QString path;
            QByteArray bytes; // at hand-over
            qint64 total;
        };
        QList<Handed> handed;
        QObject context;
        QObject::connect(
            m_rig->proc, &NetlPortProc::databaseFileReceived, &context,
            [&](QString path, qint64 total) {
                handed << Handed{path, TestEnv::readFile(path), total};
            },
            Qt::QueuedConnection);

        FakeInstrumentProcess fake(
            fakeArgs(*m_rig, "127.0.0.2", {"--upload", source, "--upload-name", "AppDatabase.db"}));
        QVERIFY(m_rig->connectTo(fake));
        QList<int> rows;
        QList<qint64> sizes;
        for (int upload = 0; upload < 2; ++upload) {
            // The instrument opens its file anew for every upload.
            rows << DemoDataBuilder::build(source, 6 + upload, 10 + upload);
            sizes << QFileInfo(source).size();
            QVERIFY(rows.last() > rowsBefore);
            m_rig->command(Cmd_FetchDataFile);
            QTRY_COMPARE_WITH_TIMEOUT(handed.size(), upload + 1, 15000);
        }
        QVERIFY(handed.at(0).path != handed.at(1).path);
        for (int upload = 0; upload < 2; ++upload) {
            const Handed &h = handed.at(upload);
            QCOMPARE(QFileInfo(h.path).absolutePath(), QFileInfo("./app").absoluteFilePath());
            QCOMPARE(h.total, qint64(16 + 4 + 2 * 14 + sizes.at(upload)));
            QCOMPARE(TestEnv::readFile(h.path), h.bytes); // complete at hand-over, nothing wrote over it
            // As the main window does: install through the safe replace, then delete.
            QVERIFY(db.replaceDatabase(h.path));
            QVERIFY(QFile::remove(h.path));
            QCOMPARE(SampleInfoAccess::getCount(), rows.at(upload)); // seen on the open connection
        }
        // The link left the final progress event to the GUI side.
        m_rig->flush();
        for (const TransferProgress &p : progress())
            QVERIFY(p.received < p.total);
    }

private:
    QStringList uploadArgs(const QString &name, const QString &misbehave = {}) const
    {
        QStringList extra{"--upload", m_source, "--upload-name", name};
        if (!misbehave.isEmpty())
            extra << "--misbehave" << misbehave;
        return fakeArgs(*m_rig, "127.0.0.2", extra);
    }

    QList<TransferProgress> progress() const
    {
        QList<TransferProgress> out;
        for (const QVariant &v : m_rig->log.values(NetEvt_FileProgress))
            out.append(TransferProgress::decode(v.toByteArray()));
        return out;
    }
    std::unique_ptr<WorkerRig> m_rig;
    QString m_source;
};

VIREON_TEST_MAIN(TestFileReceiver)
#include "tst_filereceiver.moc"
