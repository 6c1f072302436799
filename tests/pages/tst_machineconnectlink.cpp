#include "core/common.h"
#include "core/messageids.h"
#include "core/systemconfig.h"
#include "link/netlportproc.h"
#include "pages/machineconnect.h"
#include "pages/pagefixture.h"
#include "shell/linkstatusindicator.h"
#include "shell/vireon.h"
#include "shell/widgets/messagedialog.h"
#include "shell/widgets/netaddresswidget.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QProcess>
#include <QPushButton>

namespace {
// The PC and the instrument on loopback addresses of this test's own, so
// parallel test runs on 127.0.0.1 and 127.0.0.2 never answer this sweep.
const NetCartInfo kAdapter{QStringLiteral("02-00-00-00-00-0b"), QStringLiteral("127.0.0.11")};
const QString kFakeAddress = QStringLiteral("127.0.0.12");
QList<NetCartInfo> g_adapters;
} // namespace

// The connection page in the real main window, with the real worker thread,
// against the fake instrument: scan, pick, connect.
class TstMachineConnectLink : public QObject
{
    Q_OBJECT
    // One fake answers the sweep on a port of this run's own; the other
    // listens on the instrument port that a connect stores.
    QProcess m_sweepFake;
    QProcess m_linkFake;
    QByteArray m_linkOutput;
    quint16 m_sweepPort = 0;

    static QStringList fakeArgs(quint16 port)
    {
        return {"--address", kFakeAddress, "--port", QString::number(port), "--name", "LORIX-LOOP"};
    }

    static MachineConnect *page(Vireon &w) { return qobject_cast<MachineConnect *>(w.currentPage()); }
    static QComboBox *names(Vireon &w) { return page(w)->findChild<QComboBox *>(QStringLiteral("nameCboBox")); }
    static QPushButton *button(Vireon &w, const char *name)
    {
        return page(w)->findChild<QPushButton *>(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        Common::setAdapterSource([]() { return g_adapters; });
        NetlPortProc::setScanCollectMs(400);
        m_sweepPort = TestEnv::freeUdpPort(kFakeAddress);
        QVERIFY(m_sweepPort);
        QVERIFY(PageFixture::startFake(m_sweepFake, fakeArgs(m_sweepPort)));
        QVERIFY(PageFixture::startFake(m_linkFake, fakeArgs(45454), &m_linkOutput));
    }

    void cleanupTestCase()
    {
        PageFixture::stopFake(m_sweepFake);
        PageFixture::stopFake(m_linkFake);
    }

    void init() { MessageDialog::clearShownTexts(); }

    void scanFindsTheInstrumentAndConnectTurnsTheLinkUp()
    {
        g_adapters = {kAdapter};
        SystemConfig::getInstance()->setHostPort(m_sweepPort);
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_MACHINE_CONNECT);
        QVERIFY(page(w));
        QCOMPARE(page(w)->findChild<QComboBox *>(QStringLiteral("local_ip_CboBox"))->currentText(), kAdapter.ip);

        button(w, "scnfBtn")->click();
        QVERIFY(!w.isNavigationEnabled()); // the page cannot be left while the sweep runs
        QVERIFY(w.linkStatus()->isScanning());
        QTRY_VERIFY_WITH_TIMEOUT(w.isNavigationEnabled(), 10000);
        QCOMPARE(names(w)->count(), 1);
        QCOMPARE(names(w)->currentText(), QStringLiteral("LORIX-LOOP"));
        QCOMPARE(page(w)->addressEditor()->getNetAddress(), kFakeAddress);
        QCOMPARE(SystemConfig::getInstance()->getHostAddress(), kFakeAddress);
        QCOMPARE(SystemConfig::getInstance()->getHostName(), QStringLiteral("LORIX-LOOP"));
        QVERIFY(button(w, "ConnectPushButton")->isEnabled());

        button(w, "ConnectPushButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(w.linkStatus()->isLampGreen(), 10000);
        QVERIFY(MessageDialog::shownTexts().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT((m_linkOutput += m_linkFake.readAll()).contains("GOT 50 from 127.0.0.11"), 5000);
        w.deal_app_quit();
    }

    // A sweep that cannot start still ends: the page and the navigation
    // come back, and nothing is stored.
    void scanWithoutAdapterUnlocksEverything()
    {
        g_adapters.clear();
        SystemConfig::getInstance()->setHostAddress(QStringLiteral("127.0.0.77"));
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_MACHINE_CONNECT);
        button(w, "scnfBtn")->click();
        QVERIFY(!button(w, "scnfBtn")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(w.isNavigationEnabled() && button(w, "scnfBtn")->isEnabled(), 10000);
        QVERIFY(button(w, "ConnectPushButton")->isEnabled());
        QCOMPARE(names(w)->count(), 0);
        QCOMPARE(SystemConfig::getInstance()->getHostAddress(), QStringLiteral("127.0.0.77"));
        QVERIFY(!w.linkStatus()->isScanning());
        w.deal_app_quit();
    }
};

VIREON_TEST_MAIN(TstMachineConnectLink)
#include "tst_machineconnectlink.moc"
