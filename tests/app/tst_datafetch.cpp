#include "app/dialogwidgetfactory.h"
#include "app/funwidgetfactory.h"
#include "app/vireon.h"
#include "core/messageids.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "fakeinstrument.h"
#include "link/netlportproc.h"
#include "link/transferprogress.h"
#include "shell/linkstatusindicator.h"
#include "stubwidgets.h"
#include "support/testenv.h"

// The connect and data-fetch roads through the real window, the real worker
// thread and the fake instrument on loopback: the uploaded database is
// installed and the page hears of it, also under an open dialog.
class TstDataFetch : public QObject
{
    Q_OBJECT
    QProcess m_fake;
    DbManage m_db;

private slots:
    void initTestCase()
    {
        const quint16 port = TestEnv::freeUdpPort(QStringLiteral("127.0.0.2"));
        const quint16 uploadPort = TestEnv::freeTcpPort(QStringLiteral("127.0.0.1"));
        QVERIFY(port && uploadPort);
        TestEnv::seedIni({{QStringLiteral("NetConfig/HostPort"), QString::number(port)}});
        NetlPortProc::setUploadPortForTesting(uploadPort);
        FunWidgetFactory::setProviderForTesting([](int id) -> IFunWidget * { return StubPage::getInstance(id); });
        DialogWidgetFactory::setProviderForTesting([](int) -> IDialogWidget * { return new StubDialog; });

        QVERIFY(m_db.openDatabase());
        const QString upload = TestEnv::instance()->path(QStringLiteral("instrument.db"));
        QVERIFY(DemoDataBuilder::build(upload, 6, 21) > 0);
        QVERIFY(startFakeInstrument(
            m_fake, port,
            {"--upload", upload, "--upload-name", "AppDatabase.db", "--upload-port", QString::number(uploadPort)}));
    }

    void cleanupTestCase() { stopProcess(m_fake); }

    void fetchUnderAnOpenDialogReloadsThePage()
    {
        QCOMPARE(SampleInfoAccess::getCount(), 0);
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        auto *page = qobject_cast<StubPage *>(w.currentPage());
        w.sendCtlCmdSlot(Cmd_ConnectInstrument, QVariant(-1));
        QTRY_VERIFY_WITH_TIMEOUT(w.linkStatus()->isLampGreen(), 10000);

        w.switchDialogWidgetSlot(IDialogWidget::DLG_SAMPLE_QUERY, QVariant(-1));
        QVERIFY(w.currentDialog());
        page->netEvents.clear();
        w.sendCtlCmdSlot(Cmd_FetchDataFile, QVariant(-1));

        auto complete = [page]() {
            for (const auto &e : page->netEvents) {
                const TransferProgress p = TransferProgress::decode(e.second.toByteArray());
                if (e.first == NetEvt_FileProgress && p.total > 0 && p.received == p.total)
                    return true;
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(complete(), 20000);
        QVERIFY(SampleInfoAccess::getCount() > 0); // the upload is the open database now
        QVERIFY(w.currentDialog());                // still open
        w.deal_app_quit();
    }
};

VIREON_TEST_MAIN(TstDataFetch)
#include "moc_stubwidgets.cpp"
#include "tst_datafetch.moc"
