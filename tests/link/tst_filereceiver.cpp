// The file upload road end to end: the worker in its thread fetches from a
// fake instrument over loopback TCP; good, hostile and broken uploads.
#include <QTcpSocket>

#include "core/systemconfig.h"
#include "link/filereceiver.h"
#include "linkfixture.h"

namespace {
constexpr quint16 kPort = 45462;
constexpr quint16 kUploadPort = 43482;

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}
} // namespace

class TestFileReceiver : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void fetchWritesExactBytesWithThrottledProgress();
    void unsafeNamesRefusedWithNothingWritten();
    void truncatedUploadKeepsOldFile();
    void stalledUploadAbortedWhenIdle();
    void secondFetchIgnoredAndCloseRemovesTemporary();
    void hugeHeaderRefused();
    void listenTimesOutAndStrangersRefused();

private:
    QStringList fakeUploadArgs(const QString &file, const QStringList &extra) const;
    bool connectTo(FakeInstrumentProcess &fake, bool expectAck = true);
    QList<TransferProgress> progress() const;
    std::unique_ptr<WorkerRig> m_rig;
    QString m_source;
};

void TestFileReceiver::initTestCase()
{
    LogCapture::install();
    TestEnv::seedIni({{"NetConfig/HostPort", QString::number(kPort)}});
    NetlPortProc::setUploadPortForTesting(kUploadPort);
    m_rig = std::make_unique<WorkerRig>();
    m_source = TestEnv::instance()->path("upload-source.bin");
    writeFile(m_source, patternBytes(3 * 1024 * 1024 + 17, 7));
}

void TestFileReceiver::init()
{
    FileReceiver::setListenTimeoutMs(10000);
    FileReceiver::setIdleTimeoutMs(10000);
    m_rig->log.clear();
    m_rig->log.onEvent = nullptr;
    LogCapture::clear();
}

void TestFileReceiver::cleanupTestCase()
{
    m_rig.reset();
}

QStringList TestFileReceiver::fakeUploadArgs(const QString &file, const QStringList &extra) const
{
    return fakeArgs("127.0.0.2", kPort,
                    QStringList{"--upload", file, "--upload-port", QString::number(kUploadPort)} + extra);
}

bool TestFileReceiver::connectTo(FakeInstrumentProcess &fake, bool expectAck)
{
    if (!fake.ready())
        return false;
    m_rig->command(Cmd_ConnectInstrument);
    m_rig->flush();
    if (!expectAck)
        return true;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
        for (const QVariant &v : m_rig->log.values(NetEvt_LinkState)) {
            if (v.toBool())
                return true;
        }
        QTest::qWait(10);
    }
    return false;
}

QList<TransferProgress> TestFileReceiver::progress() const
{
    QList<TransferProgress> out;
    for (const QVariant &v : m_rig->log.values(NetEvt_FileProgress))
        out.append(TransferProgress::decode(v.toByteArray()));
    return out;
}

void TestFileReceiver::fetchWritesExactBytesWithThrottledProgress()
{
    const QString source = TestEnv::instance()->path("big-source.bin");
    const QByteArray bytes = patternBytes(32 * 1024 * 1024 + 5, 11);
    writeFile(source, bytes);
    const QString target = QStringLiteral("./app/run01.dat");
    writeFile(target, "an older file of that name");
    const QStringList before = appFolderEntries();

    FakeInstrumentProcess fake(fakeUploadArgs(source, {"--upload-name", "run01.dat"}));
    QVERIFY(connectTo(fake));
    m_rig->log.clear();
    // The final event must find the file already committed.
    int finals = 0;
    qint64 sizeAtFinal = -1;
    QElapsedTimer clock;
    m_rig->log.onEvent = [&](int id, const QVariant &data) {
        if (id != NetEvt_FileProgress)
            return;
        const TransferProgress p = TransferProgress::decode(data.toByteArray());
        if (p.received == p.total) {
            ++finals;
            sizeAtFinal = QFileInfo(target).size();
        }
    };
    clock.start(); // spans every emission, however late the events arrive here
    m_rig->command(Cmd_FetchDataFile);
    QTRY_COMPARE_WITH_TIMEOUT(finals, 1, 20000);
    const qint64 spanMs = clock.elapsed();
    m_rig->flush();
    QCOMPARE(finals, 1);
    QCOMPARE(sizeAtFinal, qint64(bytes.size()));
    QCOMPARE(readFile(target), bytes);
    QCOMPARE(appFolderEntries(), before); // replaced in place, no temporary left

    const QList<TransferProgress> events = progress();
    const qint64 total = events.last().total;
    QCOMPARE(total, qint64(16 + 4 + 2 * 9 + bytes.size()));
    qint64 last = 0;
    for (const TransferProgress &p : events) {
        QVERIFY(p.received > 0); // never 0 of 0
        QVERIFY(p.received >= last);
        QCOMPARE(p.total, total);
        last = p.received;
    }
    QVERIFY2(events.size() <= spanMs / 50 + 3,
             qPrintable(QString("%1 events in %2 ms").arg(events.size()).arg(spanMs)));
}

void TestFileReceiver::unsafeNamesRefusedWithNothingWritten()
{
    const QStringList names = {"../x", "/etc/passwd", "a/b", "", "..", ".hidden", "update.exe"};
    const QStringList before = appFolderEntries();
    const QStringList workBefore = QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        LogCapture::clear();
        m_rig->log.clear();
        FakeInstrumentProcess fake(fakeUploadArgs(m_source, {"--upload-name", name}));
        QVERIFY(connectTo(fake));
        m_rig->command(Cmd_FetchDataFile);
        QTRY_VERIFY2(LogCapture::contains(QStringLiteral("file name refused")), qPrintable(name));
        m_rig->flush();
        QCOMPARE(m_rig->log.count(NetEvt_FileProgress), 0);
    }
    QCOMPARE(appFolderEntries(), before);
    QCOMPARE(QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), workBefore);
}

void TestFileReceiver::truncatedUploadKeepsOldFile()
{
    writeFile("./app/run02.dat", "OLD CONTENT");
    const QStringList before = appFolderEntries();
    FakeInstrumentProcess fake(fakeUploadArgs(m_source, {"--upload-name", "run02.dat", "--misbehave", "truncated"}));
    QVERIFY(connectTo(fake));
    m_rig->command(Cmd_FetchDataFile);
    QTRY_VERIFY(LogCapture::contains(QStringLiteral("connection closed after")));
    m_rig->flush();
    QCOMPARE(readFile("./app/run02.dat"), QByteArray("OLD CONTENT"));
    QCOMPARE(appFolderEntries(), before);
    for (const TransferProgress &p : progress())
        QVERIFY(p.received < p.total);
}

void TestFileReceiver::stalledUploadAbortedWhenIdle()
{
    FileReceiver::setIdleTimeoutMs(300);
    const QStringList before = appFolderEntries();
    auto stalled = std::make_unique<FakeInstrumentProcess>(
        fakeUploadArgs(m_source, {"--upload-name", "run03.dat", "--misbehave", "stalled"}));
    QVERIFY(connectTo(*stalled));
    m_rig->command(Cmd_FetchDataFile);
    QVERIFY(stalled->waitFor(QStringLiteral("UPLOAD STALLED")));
    QTRY_VERIFY(LogCapture::contains(QStringLiteral("transfer idle for 300 ms")));
    m_rig->flush();
    QCOMPARE(appFolderEntries(), before);
    stalled.reset();

    // The receiver is free again: the next fetch completes.
    FakeInstrumentProcess good(fakeUploadArgs(m_source, {"--upload-name", "run03.dat"}));
    QVERIFY(connectTo(good));
    m_rig->command(Cmd_FetchDataFile);
    QTRY_COMPARE(readFile("./app/run03.dat"), readFile(m_source));
}

void TestFileReceiver::secondFetchIgnoredAndCloseRemovesTemporary()
{
    const QStringList before = appFolderEntries();
    {
        FakeInstrumentProcess fake(fakeUploadArgs(m_source, {"--upload-name", "run04.dat", "--misbehave", "stalled"}));
        QVERIFY(connectTo(fake));
        m_rig->command(Cmd_FetchDataFile);
        QVERIFY(fake.waitFor(QStringLiteral("UPLOAD STALLED")));
        m_rig->command(Cmd_FetchDataFile);
        m_rig->flush();
        QVERIFY(LogCapture::contains(QStringLiteral("a transfer is already running; fetch ignored")));
        m_rig->command(Cmd_CloseLink);
        m_rig->flush();
        QVERIFY(LogCapture::contains(QStringLiteral("transfer ended: link closed")));
    }
    QCOMPARE(appFolderEntries(), before);
}

void TestFileReceiver::hugeHeaderRefused()
{
    const QStringList before = appFolderEntries();
    FakeInstrumentProcess fake(fakeUploadArgs(m_source, {"--upload-name", "run05.dat", "--misbehave", "bad-header"}));
    QVERIFY(connectTo(fake));
    m_rig->command(Cmd_FetchDataFile);
    QTRY_VERIFY(LogCapture::contains(QStringLiteral("bad header: total size 4611686018427387904 out of range")));
    m_rig->flush();
    QCOMPARE(m_rig->log.count(NetEvt_FileProgress), 0);
    QCOMPARE(appFolderEntries(), before);
}

void TestFileReceiver::listenTimesOutAndStrangersRefused()
{
    FileReceiver::setListenTimeoutMs(1500);
    FakeInstrumentProcess silent(fakeArgs("127.0.0.2", kPort, {"--misbehave", "no-answer"}));
    QVERIFY(connectTo(silent, false));
    m_rig->command(Cmd_FetchDataFile);
    m_rig->flush();
    QVERIFY(LogCapture::contains(QStringLiteral("listening on 127.0.0.1")));

    QTcpSocket stranger;
    QVERIFY(stranger.bind(QHostAddress(QStringLiteral("127.0.0.5")), 0));
    stranger.connectToHost(QHostAddress(QStringLiteral("127.0.0.1")), kUploadPort);
    QTRY_VERIFY(LogCapture::contains(QStringLiteral("connection refused from 127.0.0.5")));
    QTRY_COMPARE(stranger.state(), QAbstractSocket::UnconnectedState);
    QTRY_VERIFY(LogCapture::contains(QStringLiteral("transfer ended: no connection within 1500 ms")));
}

VIREON_TEST_MAIN(TestFileReceiver)
#include "tst_filereceiver.moc"
