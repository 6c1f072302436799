// The network worker in its own thread, as the main window runs it, against
// fake instrument processes on loopback: connect, acknowledgements, the
// discovery sweep, the loopback guard and the file upload road end to end.
#include <QDir>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTcpSocket>
#include <QThread>
#include <QUdpSocket>
#include <mutex>

#include "core/debuglog.h"
#include "core/lograte.h"
#include "core/messageids.h"
#include "core/systemconfig.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "link/filereceiver.h"
#include "link/linkaddress.h"
#include "link/netframe.h"
#include "link/netlportproc.h"
#include "link/transferprogress.h"
#include "support/testenv.h"

#include <memory>

// Every debug line, from any thread.
class LogCapture
{
public:
    static void install() { previous = qInstallMessageHandler(&handler); }
    static bool contains(const QString &text) { return count(text) > 0; }
    static int count(const QString &text)
    {
        std::lock_guard<std::mutex> lock(mutex);
        return lines.filter(text).size();
    }
    static void clear()
    {
        std::lock_guard<std::mutex> lock(mutex);
        lines.clear();
    }

private:
    static inline std::mutex mutex;
    static inline QStringList lines;
    static inline QtMessageHandler previous = nullptr;
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            lines.append(message);
        }
        if (qEnvironmentVariableIsSet("VIREON_TEST_VERBOSE") || type != QtDebugMsg)
            previous(type, context, message);
    }
};

// Receives the worker's events in the test (GUI) thread, queued, as the main
// window does; onEvent is called there as each one arrives.
class EventLog : public QObject
{
public:
    QList<QPair<int, QVariant>> events;
    std::function<void(int, const QVariant &)> onEvent;

    void record(int id, const QVariant &data)
    {
        events.append({id, data});
        if (onEvent)
            onEvent(id, data);
    }
    int count(int id) const { return values(id).size(); }
    QList<QVariant> values(int id) const
    {
        QList<QVariant> out;
        for (const auto &e : events)
            if (e.first == id)
                out.append(e.second);
        return out;
    }
};

// One fake instrument process; killed when it goes out of scope.
class FakeInstrumentProcess
{
public:
    explicit FakeInstrumentProcess(const QStringList &args)
    {
        m_process.start(TestEnv::toolPath(QStringLiteral("fake_instrument")), args);
    }
    ~FakeInstrumentProcess() { TestEnv::stopProcess(m_process); }
    // Waits for a line starting with prefix on the fake's stdout.
    bool waitFor(const QString &prefix, int timeoutMs = 10000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (m_output.contains(QLatin1Char('\n') + prefix) || m_output.startsWith(prefix))
                return true;
            if (m_process.state() == QProcess::NotRunning && !m_process.bytesAvailable())
                return false;
            m_process.waitForReadyRead(20);
            m_output += QString::fromUtf8(m_process.readAllStandardOutput());
            QCoreApplication::processEvents();
        }
        return false;
    }
    bool ready() { return waitFor(QStringLiteral("READY")); }
    QString output()
    {
        m_output += QString::fromUtf8(m_process.readAllStandardOutput());
        return m_output;
    }

private:
    QProcess m_process;
    QString m_output;
};

// The worker in its own thread, commanded through a queued signal.
class WorkerRig
{
public:
    // Ports held from the start, so runs of several test programs (or of
    // several checkouts, or the demo) on one machine do not meet.
    WorkerRig()
    {
        TestEnv::seedIni({{"NetConfig/HostPort", QString::number(port)}});
        NetlPortProc::setUploadPortForTesting(uploadPort);
        proc = NetlPortProc::getInstance();
        thread.setObjectName(QStringLiteral("network"));
        proc->moveToThread(&thread);
        QObject::connect(
            proc, &NetlPortProc::sendnetEvent, &log, [this](int id, QVariant data) { log.record(id, data); },
            Qt::QueuedConnection);
        thread.start();
    }
    ~WorkerRig()
    {
        command(Cmd_CloseLink);
        flush();
        thread.quit();
        thread.wait();
    }
    // Queued into the worker thread, as the main window's netSendSig does.
    void command(int cmd)
    {
        programSide.release(); // the worker binds it now
        NetlPortProc *target = proc;
        QMetaObject::invokeMethod(
            proc, [target, cmd]() { target->netCommandSlot(cmd, QVariant(-1)); }, Qt::QueuedConnection);
    }
    // Waits until the worker has handled everything sent so far, then delivers
    // the events it emitted meanwhile.
    void flush()
    {
        QMetaObject::invokeMethod(
            proc, []() {}, Qt::BlockingQueuedConnection);
        QCoreApplication::processEvents();
    }

    // Starts the fake and connects; true once the link reports up.
    bool connectTo(FakeInstrumentProcess &fake, bool expectUp = true)
    {
        if (!fake.ready())
            return false;
        command(Cmd_ConnectInstrument);
        flush();
        return !expectUp || QTest::qWaitFor([this] { return linkStates().contains(true); }, 5000);
    }
    QList<bool> linkStates() const
    {
        QList<bool> states;
        for (const QVariant &v : log.values(NetEvt_LinkState))
            states.append(v.toBool());
        return states;
    }

    // The worker's side of the instrument port; the fakes take the same
    // port on their own addresses.
    HeldPort programSide{HeldPort::Udp, QStringLiteral("127.0.0.1")};
    HeldPort upload{HeldPort::TcpBeside, QStringLiteral("127.0.0.1")};
    const quint16 port = programSide.port();
    const quint16 uploadPort = upload.port();
    NetlPortProc *proc = nullptr;
    QThread thread;
    EventLog log;
};

// Arguments of a fake instrument at address, on the rig's ports.
inline QStringList fakeArgs(const WorkerRig &rig, const QString &address, const QStringList &extra = {})
{
    return QStringList{"--address",     address,
                       "--port",        QString::number(rig.port),
                       "--upload-port", QString::number(rig.uploadPort)} +
           extra;
}

inline QStringList appFolderEntries()
{
    return QDir(QStringLiteral("./app"))
        .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

class TestLink : public QObject
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
        SystemConfig::getInstance()->setHostAddress(QStringLiteral("127.0.0.2"));
        SystemConfig::getInstance()->setLocalIpAddr(QStringLiteral("127.0.0.1"));
        FileReceiver::setListenTimeoutMs(10000);
        FileReceiver::setIdleTimeoutMs(10000);
        m_rig->log.events.clear();
        m_rig->log.onEvent = nullptr;
        LogCapture::clear();
    }

    void cleanupTestCase()
    {
        m_rig.reset();
        // The GUI thread never touched the worker's sockets.
        QVERIFY(!LogCapture::contains("QSocketNotifier"));
        QVERIFY(!LogCapture::contains("Cannot create children"));
    }

    void connectReportsDownThenUp()
    {
        FakeInstrumentProcess fake(fakeArgs(*m_rig, "127.0.0.2", {"--name", "LORIX-A"}));
        QVERIFY(fake.ready());
        m_rig->command(Cmd_ConnectInstrument);
        QTRY_COMPARE(linkStates(), (QList<bool>{false, true}));
        QTRY_COMPARE(m_rig->log.count(NetEvt_InstrumentFound), 1);
        QCOMPARE(m_rig->log.values(NetEvt_InstrumentFound).first().toStringList(),
                 (QStringList{"127.0.0.2", "LORIX-A"}));
        // The instrument was told the PC's address.
        QVERIFY(fake.waitFor(QStringLiteral("GOT 50 from 127.0.0.1")));

        // Reconnecting rebinds, which reports the link down first.
        m_rig->command(Cmd_ConnectInstrument);
        QTRY_COMPARE(linkStates(), (QList<bool>{false, true, false, true}));
    }

    void foreignAndBrokenAcknowledgementsIgnored()
    {
        FakeInstrumentProcess broken(fakeArgs(*m_rig, "127.0.0.2", {"--misbehave", "bad-frames"}));
        QVERIFY(broken.ready());
        m_rig->command(Cmd_ConnectInstrument);
        QTRY_VERIFY(LogCapture::contains(QStringLiteral("frame dropped from 127.0.0.2 bad sum")));

        // A well-formed acknowledgement from a host that is not the instrument.
        QUdpSocket stranger;
        QVERIFY(stranger.bind(QHostAddress(QStringLiteral("127.0.0.9")), 0));
        stranger.writeDatagram(NetFrame::build(Wire_LocalAddress, QByteArray(1, '\0')),
                               QHostAddress(QStringLiteral("127.0.0.1")), m_rig->port);
        QTRY_VERIFY(LogCapture::contains(QStringLiteral("frame from 127.0.0.9 ignored: not the instrument")));
        m_rig->flush();
        QCOMPARE(linkStates(), QList<bool>{false});
    }

    // Only the fetch has a wire code; any other command is logged and nothing
    // reaches the instrument. The test itself listens at the instrument's
    // address: a later connect's frames arrive after anything the commands
    // might have sent, so they mark the end.
    void commandsWithoutWireCodeOnlyLog()
    {
        QUdpSocket instrument;
        QVERIFY(instrument.bind(QHostAddress(QStringLiteral("127.0.0.2")), m_rig->port));
        QList<int> codes;
        QObject::connect(&instrument, &QUdpSocket::readyRead, &instrument, [&instrument, &codes] {
            while (instrument.hasPendingDatagrams()) {
                NetFrame frame;
                const bool parsed = NetFrame::parse(instrument.receiveDatagram().data(), &frame);
                codes.append(parsed ? int(frame.code) : -1);
            }
        });
        const QList<int> connectFrames{Wire_LocalAddress, Wire_InfoQuery};
        m_rig->command(Cmd_ConnectInstrument);
        QTRY_COMPARE(codes, connectFrames);
        codes.clear();

        // Called from the GUI thread: the call is handed to the worker thread.
        QCOMPARE(m_rig->proc->sendCtlCmd(Cmd_ReportDlg31, QVariant(-1), QString()), 0);
        m_rig->command(Cmd_ReportDlg32);
        m_rig->flush();
        QCOMPARE(LogCapture::count(QStringLiteral("int NetlPortProc::sendCtlCmd(int, QVariant, QString) portNo err!!")),
                 2);
        m_rig->command(Cmd_ConnectInstrument);
        QTRY_VERIFY(codes.contains(Wire_InfoQuery));
        QCOMPARE(codes, connectFrames);
    }

    void scanFindsTwoInstruments()
    {
        FakeInstrumentProcess a(fakeArgs(*m_rig, "127.0.0.2", {"--name", "LORIX-A"}));
        FakeInstrumentProcess b(fakeArgs(*m_rig, "127.0.0.3", {"--name", "LORIX-B"}));
        QVERIFY(a.ready());
        QVERIFY(b.ready());
        NetlPortProc::setScanCollectMs(1500);
        m_rig->command(Cmd_ScanInstrument);
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->log.count(NetEvt_ScanFinished), 1, 10000);
        m_rig->flush();
        QCOMPARE(m_rig->log.count(NetEvt_ScanFinished), 1);
        QCOMPARE(linkStates(), QList<bool>{false});

        const auto found = m_rig->log.values(NetEvt_ScanFinished).first().value<QList<InstrumentInfo>>();
        QMap<QString, QByteArray> byIp;
        for (const InstrumentInfo &info : found)
            byIp.insert(info.ip, info.name);
        QCOMPARE(found.size(), 2);
        QCOMPARE(byIp, (QMap<QString, QByteArray>{{"127.0.0.2", "LORIX-A"}, {"127.0.0.3", "LORIX-B"}}));
        // The first instrument found becomes the target and its name is stored.
        QCOMPARE(TestEnv::iniValue("NetConfig/host_name").toString(), QString::fromUtf8(found.first().name));
        // During the sweep the answers only filled the list.
        QCOMPARE(m_rig->log.count(NetEvt_InstrumentFound), 0);
    }

    // No instrument answers, or the local address cannot be used (a LAN address
    // is not even bound): the scan still ends, once, with an empty list.
    void scanWithoutAnswersFinishesOnceEmpty_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<int>("refusals");
        QTest::addColumn<QString>("logged");
        QTest::newRow("nobody there") << "127.0.0.1" << 0 << "a scan is already running";
        QTest::newRow("loosely written local address") << "127.0.0.001" << 0 << "refused address 127.0.0.001";
        QTest::newRow("LAN local address") << "192.168.3.20" << 1 << "loopback guard refused to bind to 192.168.3.20";
    }

    void scanWithoutAnswersFinishesOnceEmpty()
    {
        QFETCH(QString, local);
        QFETCH(int, refusals);
        QFETCH(QString, logged);
        NetlPortProc::setScanCollectMs(400);
        const int refusalsBefore = LinkAddress::refusalCount();
        SystemConfig::getInstance()->setLocalIpAddr(local);
        m_rig->command(Cmd_ScanInstrument);
        if (refusals == 0 && local == QLatin1String("127.0.0.1"))
            m_rig->command(Cmd_ScanInstrument); // ignored while the first one runs
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->log.count(NetEvt_ScanFinished), 1, 10000);
        m_rig->flush();
        QCOMPARE(m_rig->log.count(NetEvt_ScanFinished), 1);
        QVERIFY(m_rig->log.values(NetEvt_ScanFinished).first().value<QList<InstrumentInfo>>().isEmpty());
        QCOMPARE(LinkAddress::refusalCount(), refusalsBefore + refusals);
        QVERIFY(LogCapture::contains(logged));
    }

    void guardRefusesLanTarget()
    {
        const int refusalsBefore = LinkAddress::refusalCount();
        SystemConfig::getInstance()->setHostAddress(QStringLiteral("192.168.3.15"));
        m_rig->command(Cmd_ConnectInstrument);
        m_rig->command(Cmd_FetchDataFile);
        m_rig->flush();
        // Local-address command and information query refused, and the fetch's
        // listener never opened for a LAN peer.
        QCOMPARE(LinkAddress::refusalCount(), refusalsBefore + 3);
        QCOMPARE(LogCapture::count(QStringLiteral("loopback guard refused to send to 192.168.3.15")), 2);
        QVERIFY(LogCapture::contains(QStringLiteral("loopback guard refused to accept from 192.168.3.15")));
        QCOMPARE(linkStates(), QList<bool>{false});
    }

    void fakeInstrumentRefusesLanAddress()
    {
        FakeInstrumentProcess fake(fakeArgs(*m_rig, "192.168.3.15"));
        QVERIFY(fake.waitFor(QStringLiteral("REFUSED non-loopback address 192.168.3.15")));
        QVERIFY(!fake.output().contains(QStringLiteral("READY")));
    }

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
        m_rig->log.events.clear();
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
            QVERIFY(p.received > 0);
            QVERIFY(p.received >= last); // never 0 of 0, never backwards
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
            // As the main window does: moved into place, validated first.
            const bool installed = db.installReceivedDatabase(h.path);
            QVERIFY(installed);
            QVERIFY(!QFile::exists(h.path));
            QCOMPARE(SampleInfoAccess::getCount(), rows.at(upload)); // seen on the open connection
        }
        // The link left the final progress event to the GUI side.
        m_rig->flush();
        for (const TransferProgress &p : progress())
            QVERIFY(p.received < p.total);
    }

    // A flood from a host that is not the instrument, well-formed or not, and
    // the instrument itself refusing the local address frame after frame,
    // leave a burst of lines in the daily debug log, not one a datagram.
    // (Last here: it spends the minute's burst.)
    void datagramFloodKeepsTheDebugLogSmall()
    {
        FakeInstrumentProcess fake(fakeArgs(*m_rig, "127.0.0.2"));
        const bool connected = m_rig->connectTo(fake);
        QVERIFY(connected);
        const int linkUps = linkStates().count(true);
        QUdpSocket stranger, instrument;
        const bool strangerBound = stranger.bind(QHostAddress(QStringLiteral("127.0.0.9")), 0);
        QVERIFY(strangerBound);
        const bool instrumentBound = instrument.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0);
        QVERIFY(instrumentBound);
        // The flood alone decides what the limiter lets through.
        NetlPortProc::datagramLog().resetForTesting();
        const QString logFile = DebugLog::filePathFor(QDate::currentDate());
        const qint64 sizeBefore = QFileInfo(logFile).size();
        const QtMessageHandler capture = qInstallMessageHandler(&DebugLog::messageHandler);

        const QByteArray ack = NetFrame::build(Wire_LocalAddress, QByteArray(1, '\0'));
        for (int i = 0; i < 3000; ++i) {
            stranger.writeDatagram(i % 2 ? QByteArray("not a frame") : ack, QHostAddress::LocalHost, m_rig->port);
            instrument.writeDatagram(NetFrame::build(Wire_LocalAddress, QByteArray(1, char(1 + i % 255))),
                                     QHostAddress::LocalHost, m_rig->port);
            if (i % 25 == 24)
                m_rig->flush(); // the worker keeps up, so the socket drops few
        }
        // The instrument's acknowledgement after the flood shows that the
        // worker has read all that came before it.
        instrument.writeDatagram(ack, QHostAddress::LocalHost, m_rig->port);
        QTRY_COMPARE(linkStates().count(true), linkUps + 1);
        m_rig->flush();
        qInstallMessageHandler(capture);

        const QByteArray logged = TestEnv::readFile(logFile).mid(int(sizeBefore));
        const int lines = logged.count("127.0.0.9");
        QVERIFY2(lines >= 1, logged.constData());
        QVERIFY2(lines <= LogRateLimiter::kBurst, qPrintable(QString::number(lines)));
        QVERIFY2(logged.contains("local address refused by the instrument"), logged.constData());
        QVERIFY2(logged.size() < 400 * LogRateLimiter::kBurst, qPrintable(QString::number(logged.size())));
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
    QList<bool> linkStates() const { return m_rig->linkStates(); }
    std::unique_ptr<WorkerRig> m_rig;
    QString m_source;
};

VIREON_TEST_MAIN(TestLink)
#include "tst_link.moc"
