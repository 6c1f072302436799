// The network worker in its own thread against fake instruments on loopback:
// connect, acknowledgements, the discovery sweep and the loopback guard.
#include <QUdpSocket>

#include "core/systemconfig.h"
#include "link/linkaddress.h"
#include "link/netframe.h"
#include "linkfixture.h"

class TestNetlPortProc : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LogCapture::install();
        m_rig = std::make_unique<WorkerRig>();
    }

    void init()
    {
        SystemConfig::getInstance()->setHostAddress(QStringLiteral("127.0.0.2"));
        SystemConfig::getInstance()->setLocalIpAddr(QStringLiteral("127.0.0.1"));
        m_rig->log.clear();
        LogCapture::clear();
    }

    void cleanupTestCase()
    {
        m_rig.reset();
        // The GUI thread never touched the worker's sockets.
        QVERIFY(!LogCapture::contains(QStringLiteral("QSocketNotifier")));
        QVERIFY(!LogCapture::contains(QStringLiteral("Cannot create children")));
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

    void commandsWithoutWireCodeOnlyLog()
    {
        // Called from the GUI thread: the call is handed to the worker thread.
        QCOMPARE(m_rig->proc->sendCtlCmd(31, QVariant(-1), QString()), 0);
        m_rig->proc->sendCtlCmd(32, QVariant(-1), QString());
        m_rig->flush();
        QCOMPARE(LogCapture::count(QStringLiteral("int NetlPortProc::sendCtlCmd(int, QVariant, QString) portNo err!!")),
                 2);
        QVERIFY(m_rig->log.events.isEmpty());
    }

    void scanFindsTwoInstruments()
    {
        FakeInstrumentProcess a(fakeArgs(*m_rig, "127.0.0.2", {"--name", "LORIX-A"}));
        FakeInstrumentProcess b(fakeArgs(*m_rig, "127.0.0.3", {"--name", "LORIX-B"}));
        QVERIFY(a.ready() && b.ready());
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

private:
    QList<bool> linkStates() const { return m_rig->linkStates(); }
    std::unique_ptr<WorkerRig> m_rig;
};

VIREON_TEST_MAIN(TestNetlPortProc)
#include "tst_netlportproc.moc"
