#include "app/vireon.h"
#include "core/common.h"
#include "core/messageids.h"
#include "core/systemconfig.h"
#include "link/instrumentinfo.h"
#include "link/netlportproc.h"
#include "pages/machineconnect.h"
#include "pages/pagefixture.h"
#include "shell/linkstatusindicator.h"
#include "shell/widgets/netaddresswidget.h"
#include "support/testenv.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>

Q_DECLARE_METATYPE(QList<NetCartInfo>)

namespace {
QList<NetCartInfo> g_adapters;

// The PC and the fake instrument on loopback addresses of this test's own, so
// parallel test runs on 127.0.0.1 and 127.0.0.2 never answer its sweep.
const NetCartInfo kLoopback{QStringLiteral("02-00-00-00-00-0b"), QStringLiteral("127.0.0.11")};
const QString kFakeAddress = QStringLiteral("127.0.0.12");

QList<InstrumentInfo> threeInstruments()
{
    return {{QStringLiteral("127.0.0.21"), QByteArrayLiteral("LORIX-A")},
            {QStringLiteral("127.0.0.22"), QByteArrayLiteral("LORIX-B")},
            {QStringLiteral("127.0.0.23"), QByteArray("LORIX-C\0tail", 12)}};
}

using PageFixture::comboItems;

// The stored network settings, in the order asked.
QStringList ini(std::initializer_list<const char *> keys)
{
    QStringList values;
    for (const char *key : keys)
        values << TestEnv::iniValue(QLatin1String("NetConfig/") + QLatin1String(key)).toString();
    return values;
}

struct TypedAddress {
    const char *name;
    QString typed, stored; // stored empty: refused
    bool warned, adapter;  // warned: other /24 than the adapter, or none
};
} // namespace
Q_DECLARE_METATYPE(TypedAddress)

// The connection page over a scripted adapter list and the real settings file, its commands recorded; and in the real
// main window with the real worker thread against the fake instrument.
class TstMachineConnect : public QObject
{
    Q_OBJECT
    QPointer<MachineConnect> m_page;
    std::unique_ptr<QSignalSpy> m_cmds;
    // The fake answers the sweep and the connect on a port of this run's
    // own; the page's side of it is held until the main window binds it.
    QProcess m_fake;
    QByteArray m_fakeOutput;
    std::unique_ptr<HeldPort> m_pageSide;
    quint16 m_port = 0;

    QComboBox *names() const { return m_page->findChild<QComboBox *>(QStringLiteral("nameCboBox")); }
    QComboBox *adapters() const { return m_page->findChild<QComboBox *>(QStringLiteral("local_ip_CboBox")); }
    QLabel *macLabel() const { return m_page->findChild<QLabel *>(QStringLiteral("mac_lab")); }
    QPushButton *button(const char *name) const { return m_page->findChild<QPushButton *>(QLatin1String(name)); }
    // Exactly one command sent, `id` for every instrument (-1).
    bool sentOnly(int id) const { return *m_cmds == QList<QVariantList>{QVariantList({id, -1})}; }

    void openPage()
    {
        (m_page = MachineConnect::getInstance())->initWidget();
        m_cmds = std::make_unique<QSignalSpy>(m_page, &IFunWidget::sendCmd);
    }

    void scan(const QVariant &result)
    {
        m_page->on_scnfBtn_clicked();
        m_page->netEventHandle(NetEvt_ScanFinished, result);
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QList<InstrumentInfo>>();
        Common::setAdapterSource([]() { return g_adapters; });
        NetlPortProc::setScanCollectMs(400);
        m_pageSide = std::make_unique<HeldPort>(HeldPort::Udp, kLoopback.ip);
        m_port = m_pageSide->port();
        QVERIFY(m_port);
        QVERIFY(TestEnv::startFakeInstrument(
            m_fake, {"--address", kFakeAddress, "--port", QString::number(m_port), "--name", "LORIX-LOOP"}));
    }
    void cleanupTestCase() { TestEnv::stopProcess(m_fake); }

    void init()
    {
        g_adapters = {kLoopback};
        SystemConfig *config = SystemConfig::getInstance();
        config->setHostAddress(QStringLiteral("127.0.0.99"));
        config->setHostName(QStringLiteral("STORED"));
        config->setLocalMacAddr(kLoopback.mac);
        config->setLocalIpAddr(kLoopback.ip);
        config->setHostPort(1);
        MessageDialog::clearShownTexts();
        openPage();
    }

    void cleanup()
    {
        m_cmds.reset();
        if (m_page)
            m_page->releaseInstance();
    }

    // A scan, then the instrument picked is the one connected (its name cut
    // at a zero byte); a scan that found nothing stores nothing.
    void scanAndConnect_data()
    {
        QTest::addColumn<QVariant>("result");
        QTest::addColumn<int>("pick"); // -1: nothing to pick
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("name");
        const QVariant three = QVariant::fromValue(threeInstruments());
        QTest::newRow("second") << three << 1 << "127.0.0.22" << QString("LORIX-B");
        QTest::newRow("name cut at its zero byte") << three << 2 << "127.0.0.23" << QString("LORIX-C");
        QTest::newRow("nothing found") << QVariant::fromValue(QList<InstrumentInfo>()) << -1 << "" << QString();
        // An event without a list counts as a scan that found nothing.
        QTest::newRow("not a list") << QVariant(qulonglong(0x12345678)) << -1 << "" << QString();
    }
    void scanAndConnect()
    {
        QFETCH(QVariant, result);
        QFETCH(int, pick);
        QFETCH(QString, address);
        QFETCH(QString, name);
        adapters()->setCurrentIndex(0);
        m_page->on_scnfBtn_clicked();
        QVERIFY(sentOnly(Cmd_ScanInstrument));
        QVERIFY(!button("scnfBtn")->isEnabled());
        QVERIFY(!button("ConnectPushButton")->isEnabled());
        QCOMPARE(names()->count(), 0);
        QCOMPARE(ini({"LocalIpAddr", "LocalMacAddr"}), QStringList({kLoopback.ip, kLoopback.mac}));
        m_page->netEventHandle(NetEvt_ScanFinished, result);
        const QStringList found = pick < 0 ? QStringList() : QStringList{"LORIX-A", "LORIX-B", "LORIX-C"};
        QCOMPARE(comboItems(names()), found);
        QCOMPARE(m_page->instruments().size(), found.size());
        QVERIFY(button("scnfBtn")->isEnabled());
        QVERIFY(button("ConnectPushButton")->isEnabled());
        m_cmds->clear();
        if (pick < 0) {
            // Nothing written, and the editor's wildcard (refused: typedAddress) blocks a connect.
            QCOMPARE(ini({"HostAddress", "host_name"}), QStringList({"127.0.0.99", "STORED"}));
            QCOMPARE(m_page->addressEditor()->getNetAddress(), QStringLiteral("0.0.0.0"));
            return;
        }
        // The first instrument is taken (and stored) at once.
        QCOMPARE(names()->currentIndex(), 0);
        QCOMPARE(m_page->addressEditor()->getNetAddress(), QStringLiteral("127.0.0.21"));
        QCOMPARE(ini({"HostAddress", "host_name"}), QStringList({"127.0.0.21", "LORIX-A"}));
        names()->setCurrentIndex(pick);
        QCOMPARE(m_page->addressEditor()->getNetAddress(), address);
        m_page->on_ConnectPushButton_clicked();
        QVERIFY(sentOnly(Cmd_ConnectInstrument));
        QVERIFY(MessageDialog::shownTexts().isEmpty()); // same /24 as the adapter
        QCOMPARE(ini({"HostAddress", "host_name", "HostPort", "LocalIpAddr", "LocalMacAddr"}),
                 QStringList({address, name, "45454", kLoopback.ip, kLoopback.mac}));
    }

    void typedAddress_data()
    {
        QTest::addColumn<TypedAddress>("row");
        const TypedAddress rows[] = {
            {"wildcard", "0.0.0.0", "", false, true},
            {"wildcard inside", "10.0.0.0", "", false, true},
            {"empty", "", "", false, true},
            {"octet too large", "127.0.0.256", "", false, true},
            {"same network", "127.0.0.2", "127.0.0.2", false, true},
            {"leading zeros are decimal", "192.168.010.5", "192.168.10.5", true, true},
            {"other network", "10.1.2.3", "10.1.2.3", true, true},
            {"no adapter: warns, goes on", "127.0.0.2", "127.0.0.2", true, false},
        };
        for (const TypedAddress &row : rows)
            QTest::newRow(row.name) << row;
    }
    void typedAddress()
    {
        QFETCH(TypedAddress, row);
        const auto &[name, typed, stored, warned, adapter] = row;
        if (!adapter) {
            m_page->releaseInstance();
            g_adapters.clear();
            openPage();
        }
        scan(QVariant::fromValue(threeInstruments()));
        m_cmds->clear();
        // Straight into the fields: what a user could leave there, validator or not.
        const QStringList parts = typed.split(QLatin1Char('.'));
        for (int i = 0; i < 4; ++i)
            m_page->addressEditor()->field(i)->setText(parts.value(i));
        emit m_page->addressEditor()->field(0)->editingFinished();
        // A typed address belongs to no listed instrument; the list itself stays.
        QCOMPARE(names()->count(), 0);
        QCOMPARE(m_page->instruments().size(), 3);
        if (stored.isEmpty() || warned)
            MessageDialog::pushNextAnswer(adapter ? 1 : 0); // however it is closed
        m_page->on_ConnectPushButton_clicked();
        if (stored.isEmpty()) {
            QCOMPARE(MessageDialog::shownTexts(), QStringList{"請檢查輸入"});
            QVERIFY(m_cmds->isEmpty());
            QCOMPARE(ini({"HostAddress", "HostPort"}), QStringList({"127.0.0.21", "1"})); // the scan's pick
            return;
        }
        QCOMPARE(MessageDialog::shownTexts(),
                 warned ? QStringList{"設備和電腦可能不處於同一個局域網，請檢查！"} : QStringList());
        QVERIFY(sentOnly(Cmd_ConnectInstrument)); // a warning does not stop it
        // The scanned name is forgotten.
        QCOMPARE(ini({"HostAddress", "host_name", "LocalIpAddr", "LocalMacAddr"}),
                 QStringList({stored, "", adapter ? kLoopback.ip : "", adapter ? kLoopback.mac : ""}));
    }

    void adapterSelection_data()
    {
        QTest::addColumn<QList<NetCartInfo>>("list");
        QTest::addColumn<QString>("storedMac");
        QTest::addColumn<QString>("storedIp");
        QTest::addColumn<int>("selected");
        const NetCartInfo a{"0a-00-00-00-00-01", "10.1.0.5"};
        const NetCartInfo b1{"0a-00-00-00-00-02", "192.168.3.7"};
        const NetCartInfo b2{"0a-00-00-00-00-02", "192.168.8.7"};
        const NetCartInfo lo{"00-00-00-00-00-00", "127.0.0.1"};
        const QList<NetCartInfo> abb{a, b1, b2};
        const QString unknownMac = "0a-ff-ff-ff-ff-ff", unknownIp = "10.9.9.9";
        QTest::newRow("two addresses on the stored adapter: the last") << abb << b1.mac << QString() << 2;
        QTest::newRow("the stored adapter before the stored address") << abb << a.mac << b2.ip << 0;
        QTest::newRow("unknown adapter, known address") << abb << unknownMac << b1.ip << 1;
        QTest::newRow("nothing known: the first") << QList<NetCartInfo>{a, b1} << unknownMac << unknownIp << 0;
        QTest::newRow("the unset MAC matches no adapter") << QList<NetCartInfo>{a, lo} << lo.mac << unknownIp << 0;
        QTest::newRow("no adapter") << QList<NetCartInfo>{} << a.mac << a.ip << -1;
    }
    void adapterSelection()
    {
        QFETCH(QList<NetCartInfo>, list);
        QFETCH(QString, storedMac);
        QFETCH(QString, storedIp);
        QFETCH(int, selected);
        m_page->releaseInstance();
        g_adapters = list;
        SystemConfig::getInstance()->setLocalMacAddr(storedMac);
        SystemConfig::getInstance()->setLocalIpAddr(storedIp);
        openPage();
        QCOMPARE(comboItems(names()), QStringList{"STORED"}); // the stored instrument
        QCOMPARE(m_page->addressEditor()->getNetAddress(), QStringLiteral("127.0.0.99"));
        QVERIFY(m_cmds->isEmpty());
        QStringList ips;
        for (const NetCartInfo &adapter : list)
            ips << adapter.ip;
        QCOMPARE(comboItems(adapters()), ips);
        QCOMPARE(adapters()->currentIndex(), selected);
        QCOMPARE(macLabel()->text(), selected < 0 ? QString() : list.at(selected).mac);
    }

    void reportedName_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QVariant>("event");
        QTest::addColumn<QStringList>("expectedNames");
        QTest::addColumn<int>("expectedCurrent");
        const QStringList before{"LORIX-A", "LORIX-B", "LORIX-C"};
        const int found = NetEvt_InstrumentFound;
        const QVariant renamed(QStringList{"127.0.0.22", "RENAMED"});
        QTest::newRow("listed instrument renamed")
            << found << renamed << QStringList{"LORIX-A", "RENAMED", "LORIX-C"} << 1;
        QTest::newRow("unlisted address") << found << QVariant(QStringList{"127.0.0.40", "X"}) << before << 0;
        QTest::newRow("three strings") << found << QVariant(QStringList{"127.0.0.22", "X", "Y"}) << before << 0;
        QTest::newRow("one string") << found << QVariant(QStringList{"127.0.0.22"}) << before << 0;
        QTest::newRow("not a list") << found << QVariant(7) << before << 0;
        for (int other : {int(NetEvt_LinkState), int(NetEvt_FileProgress), int(NetEvt_DataFrame), 99})
            QTest::addRow("other event %d", other) << other << renamed << before << 0;
    }
    void reportedName()
    {
        QFETCH(int, id);
        QFETCH(QVariant, event);
        QFETCH(QStringList, expectedNames);
        QFETCH(int, expectedCurrent);
        scan(QVariant::fromValue(threeInstruments()));
        m_page->netEventHandle(id, event);
        QCOMPARE(comboItems(names()), expectedNames);
        QCOMPARE(names()->currentIndex(), expectedCurrent);
        QCOMPARE(m_page->addressEditor()->getNetAddress(), threeInstruments().at(expectedCurrent).ip);
        QVERIFY(button("scnfBtn")->isEnabled());
    }

    void normalisedAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // empty: not an address
        QTest::newRow("leading zeros") << "010.001.000.099" << QString("10.1.0.99");
        QTest::newRow("edges") << "0.255.0.255" << QString("0.255.0.255");
        QTest::newRow("five parts") << "1.2.3.4.5" << QString();
        QTest::newRow("four digits") << "1.2.3.0004" << QString();
        QTest::newRow("empty field") << "1..3.4" << QString();
        QTest::newRow("sign") << "1.2.3.+4" << QString();
        QTest::newRow("space") << "1.2.3. 4" << QString();
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("1.2.3.\xd9\xa4") << QString();
    }
    void normalisedAddresses()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QString out;
        QCOMPARE(MachineConnect::normaliseAddress(text, &out), !expected.isEmpty());
        if (!expected.isEmpty())
            QCOMPARE(out, expected);
    }

    // Through the main window: the sweep locks the navigation until it ends, finds the instrument, and the connect
    // turns the lamp green with the fake hearing from the adapter. Without an adapter the sweep still ends and nothing
    // is stored.
    void scanThroughTheMainWindow_data()
    {
        QTest::addColumn<bool>("adapter");
        QTest::newRow("instrument answers") << true;
        QTest::newRow("no adapter") << false;
    }
    void scanThroughTheMainWindow()
    {
        QFETCH(bool, adapter);
        cleanup(); // the window opens the page itself
        if (!adapter)
            g_adapters.clear();
        SystemConfig::getInstance()->setHostPort(m_port);
        const quint16 instrumentPort = MachineConnect::setInstrumentPortForTesting(m_port);
        const auto restore = qScopeGuard([=]() { MachineConnect::setInstrumentPortForTesting(instrumentPort); });
        m_pageSide->release(); // the window binds it now
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_MACHINE_CONNECT);
        m_page = qobject_cast<MachineConnect *>(w.currentPage());
        QVERIFY(m_page);
        QCOMPARE(adapters()->currentText(), adapter ? kLoopback.ip : QString());
        button("scnfBtn")->click();
        // The page cannot be left while the sweep runs.
        QVERIFY(!button("scnfBtn")->isEnabled());
        QVERIFY(!w.isNavigationEnabled());
        QVERIFY(w.linkStatus()->isScanning() || !adapter);
        QTRY_VERIFY_WITH_TIMEOUT(w.isNavigationEnabled() && button("scnfBtn")->isEnabled(), 10000);
        QVERIFY(!w.linkStatus()->isScanning());
        QVERIFY(button("ConnectPushButton")->isEnabled());
        QCOMPARE(comboItems(names()), adapter ? QStringList{"LORIX-LOOP"} : QStringList());
        QCOMPARE(
            QStringList({SystemConfig::getInstance()->getHostAddress(), SystemConfig::getInstance()->getHostName()}),
            adapter ? QStringList({kFakeAddress, "LORIX-LOOP"}) : QStringList({"127.0.0.99", "STORED"}));
        if (adapter) {
            QCOMPARE(m_page->addressEditor()->getNetAddress(), kFakeAddress);
            m_fake.readAll(); // the sweep's frames: only the connect's count below
            m_fakeOutput.clear();
            button("ConnectPushButton")->click();
            QTRY_VERIFY_WITH_TIMEOUT(w.linkStatus()->isLampGreen(), 10000);
            QVERIFY(MessageDialog::shownTexts().isEmpty());
            QTRY_VERIFY_WITH_TIMEOUT((m_fakeOutput += m_fake.readAll()).contains("GOT 50 from 127.0.0.11"), 5000);
        }
        w.deal_app_quit();
    }
};

VIREON_TEST_MAIN(TstMachineConnect)
#include "tst_machineconnect.moc"
