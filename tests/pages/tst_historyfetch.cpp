#include "support/testenv.h"

#include "pages/historyfixture.h"
#include "pages/pagefixture.h"

#include "core/messageids.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "link/filereceiver.h"
#include "link/netlportproc.h"
#include "pages/historydata.h"
#include "shell/linkstatusindicator.h"
#include "shell/vireon.h"
#include "shell/widgets/messagedialog.h"

#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

// The history page's fetch through the real window, the real worker thread
// and the fake instrument on loopback: however the fetch ends, the page is
// told, "更新數據" works again and the label says how it went.
class TstHistoryFetch : public QObject
{
    Q_OBJECT
    DbManage *m_db = nullptr;
    QString m_goodUpload;
    QString m_badUpload;
    int m_goodRows = 0;
    quint16 m_udpPort = 0;
    quint16 m_tcpPort = 0;

private slots:
    void initTestCase()
    {
        m_udpPort = TestEnv::freeUdpPort(QStringLiteral("127.0.0.2"));
        m_tcpPort = TestEnv::freeTcpPort(QStringLiteral("127.0.0.1"));
        QVERIFY(m_udpPort && m_tcpPort);
        TestEnv::seedIni({{QStringLiteral("NetConfig/HostAddress"), QStringLiteral("127.0.0.2")},
                          {QStringLiteral("NetConfig/HostPort"), QString::number(m_udpPort)}});
        NetlPortProc::setUploadPortForTesting(m_tcpPort);
        FileReceiver::setListenTimeoutMs(1500);
        FileReceiver::setIdleTimeoutMs(700);

        m_db = new DbManage;
        QVERIFY(m_db->openDatabase());
        QVERIFY(m_db->checkTables());
        m_goodUpload = TestEnv::instance()->path(QStringLiteral("upload_good.db"));
        m_goodRows = DemoDataBuilder::build(m_goodUpload, 4, 7);
        QVERIFY(m_goodRows > 2);
        m_badUpload = TestEnv::instance()->path(QStringLiteral("upload_bad.db"));
        QVERIFY(PageFixture::writeFile(m_badUpload, QByteArray(3 * 4096, 'x')));
    }

    void cleanupTestCase() { delete m_db; }

    void fetchEndsOnThePage_data()
    {
        QTest::addColumn<QString>("misbehave");
        QTest::addColumn<bool>("badFile");
        QTest::addColumn<bool>("connect");
        QTest::addColumn<bool>("dialogOpen");
        QTest::addColumn<bool>("succeeds");
        const struct {
            const char *row, *misbehave;
            bool badFile, connect, dialogOpen, succeeds;
        } rows[] = {
            {"complete upload", "none", false, true, false, true},
            {"no connection from the instrument", "no-answer", false, true, false, false},
            {"refused header", "bad-header", false, true, false, false},
            {"refused file name", "unsafe-name", false, true, false, false},
            {"connection cut halfway", "truncated", false, true, false, false},
            {"upload stalls", "stalled", false, true, false, false},
            {"received file is not a database", "none", true, true, false, false},
            {"not connected at all", "none", false, false, false, false},
            {"cut under an open dialog", "truncated", false, true, true, false},
        };
        for (const auto &r : rows)
            QTest::newRow(r.row) << QString(r.misbehave) << r.badFile << r.connect << r.dialogOpen << r.succeeds;
    }

    void fetchEndsOnThePage()
    {
        QFETCH(QString, misbehave);
        QFETCH(bool, badFile);
        QFETCH(bool, connect);
        QFETCH(bool, dialogOpen);
        QFETCH(bool, succeeds);
        QVERIFY(HistoryFixture::replaceWith(HistoryFixture::runs(QStringLiteral("OLD"), {"090000"}, 2)));

        QProcess fake;
        QStringList args{"--address",     "127.0.0.2",
                         "--port",        QString::number(m_udpPort),
                         "--upload-port", QString::number(m_tcpPort),
                         "--misbehave",   misbehave,
                         "--upload",      badFile ? m_badUpload : m_goodUpload};
        if (misbehave != QLatin1String("unsafe-name"))
            args << "--upload-name"
                 << "AppDatabase.db";
        QVERIFY(PageFixture::startFake(fake, args));

        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        auto *page = qobject_cast<HistoryData *>(w.currentPage());
        QVERIFY(page);
        auto *bar = page->findChild<QProgressBar *>(QStringLiteral("serverProgressBar"));
        auto *status = page->findChild<QLabel *>(QStringLiteral("serverStatusLabel"));
        auto *fetch = page->findChild<QPushButton *>(QStringLiteral("exportData_2"));
        if (connect) {
            // An instrument that never answers leaves the lamp red; the
            // fetch is queued behind the connect all the same.
            w.sendCtlCmdSlot(Cmd_ConnectInstrument, QVariant(-1));
            if (misbehave != QLatin1String("no-answer"))
                QTRY_VERIFY_WITH_TIMEOUT(w.linkStatus()->isLampGreen(), 10000);
        }
        if (dialogOpen) {
            w.switchDialogWidgetSlot(IDialogWidget::DLG_SAMPLE_QUERY, QVariant::fromValue<QObject *>(page->access()));
            QVERIFY(w.currentDialog());
        }
        // What a previous fetch left behind.
        status->setText(QStringLiteral("數據更新完成！"));
        bar->setRange(0, 100);
        bar->setValue(100);

        MessageDialog::clearShownTexts();
        if (badFile)
            MessageDialog::pushNextAnswer(1);
        fetch->click();
        QCOMPARE(status->text(), QStringLiteral("接收進度"));
        QVERIFY(!fetch->isEnabled());

        QTRY_VERIFY_WITH_TIMEOUT(fetch->isEnabled(), 15000);
        if (succeeds) {
            QCOMPARE(status->text(), QStringLiteral("數據更新完成！"));
            QCOMPARE(bar->value(), bar->maximum());
            QCOMPARE(SampleInfoAccess::getCount(), m_goodRows);
            // The table shows the installed rows, not the old ones.
            auto *view = page->findChild<QTableView *>(QStringLiteral("tableView"));
            QCOMPARE(view->model()->rowCount(), m_goodRows);
            QCOMPARE(page->findChild<QLabel *>(QStringLiteral("testLab"))->text().section('/', 1).toInt(), m_goodRows);
            const QString first = view->model()->index(0, 1).data().toString();
            QVERIFY(!first.isEmpty() && !first.startsWith(QLatin1String("OLD")));
        } else {
            QCOMPARE(status->text(), QStringLiteral("數據更新失敗！"));
            QCOMPARE(bar->value(), bar->minimum());
            QCOMPARE(SampleInfoAccess::getCount(), 2); // the old data stay
        }
        QCOMPARE(MessageDialog::shownTexts().size(), badFile ? 1 : 0);
        if (dialogOpen)
            QVERIFY(w.currentDialog()); // the dialog stays open
        w.deal_app_quit();
        PageFixture::stopFake(fake);
    }
};

VIREON_TEST_MAIN(TstHistoryFetch)
#include "tst_historyfetch.moc"
