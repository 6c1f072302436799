#include "app/dialogwidgetfactory.h"
#include "app/funwidgetfactory.h"
#include "app/vireon.h"
#include "core/messageids.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "link/netlportproc.h"
#include "link/transferprogress.h"
#include "shell/appglobals.h"
#include "shell/linkstatusindicator.h"
#include "shell/navigationlist.h"
#include "shell/widgets/messagedialog.h"
#include "stubwidgets.h"
#include "support/craftdb.h"
#include "support/testenv.h"

#include <QListWidget>
#include <QScrollArea>

namespace {
QMutex g_logMutex;
QList<QPair<QString, QThread *>> g_log; // message and the thread that wrote it
QtMessageHandler g_previousHandler = nullptr;

void recordingHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    {
        QMutexLocker lock(&g_logMutex);
        g_log << qMakePair(msg, QThread::currentThread());
    }
    if (g_previousHandler)
        g_previousHandler(type, context, msg);
}

QThread *threadThatLogged(const QString &fragment)
{
    QMutexLocker lock(&g_logMutex);
    for (const auto &entry : g_log) {
        if (entry.first.contains(fragment))
            return entry.second;
    }
    return nullptr;
}
} // namespace

class TstVireon : public QObject
{
    Q_OBJECT
private:
    static QListWidget *navigation(Vireon &w) { return w.findChild<QListWidget *>(QStringLiteral("navigationList")); }
    static StubPage *page(Vireon &w) { return qobject_cast<StubPage *>(w.currentPage()); }
    static StubDialog *dialog(Vireon &w) { return qobject_cast<StubDialog *>(w.currentDialog()); }

private slots:
    void initTestCase()
    {
        FunWidgetFactory::setProviderForTesting(
            [](int id) -> IFunWidget * { return (id >= 0 && id <= 8) ? StubPage::getInstance(id) : nullptr; });
        DialogWidgetFactory::setProviderForTesting([](int type) -> IDialogWidget * {
            return (type == 1 || type == 2 || type == 4) ? new StubDialog : nullptr;
        });
        NetlPortProc::setScanCollectMs(300);
        g_previousHandler = qInstallMessageHandler(recordingHandler);
    }

    void cleanup()
    {
        MessageDialog::clearShownTexts();
        updateAvailable = false;
    }

    // Every navigation row has its icon; the lamp starts red. A quit with no
    // worker thread is harmless, twice, and no command starts one after it.
    void windowChromeAndQuitWithoutWorkerThreads()
    {
        Vireon w;
        QListWidget *nav = navigation(w);
        QCOMPARE(nav->count(), NavigationList::rows().size());
        for (int i = 0; i < nav->count(); ++i)
            QVERIFY(!nav->item(i)->icon().isNull());
        QVERIFY(!w.linkStatus()->isLampGreen());
        w.deal_app_quit();
        w.deal_app_quit();
        w.sendCtlCmdSlot(Cmd_ConnectInstrument, QVariant(-1));
        QVERIFY(!w.networkThread());
    }

    // With a title bar, or without a frame (as before the window manager
    // adds one).
    void fittedGeometry_data()
    {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("1366x768 laptop") << true << QRect(0, 0, 1366, 768) << QRect(43, 20, 1280, 743);
        QTest::newRow("1280x720") << true << QRect(0, 0, 1280, 720) << QRect(1, 20, 1278, 695);
        QTest::newRow("1920x1080 under a panel") << true << QRect(0, 28, 1920, 1052) << QRect(320, 161, 1280, 800);
        QTest::newRow("screen right of another") << false << QRect(1920, 0, 1366, 768) << QRect(1963, 0, 1280, 768);
        // Even the minimum does not fit: the top left stays in view.
        QTest::newRow("smaller than the minimum") << true << QRect(0, 0, 800, 600) << QRect(1, 20, 1024, 680);
    }
    void fittedGeometry()
    {
        QFETCH(bool, titled);
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        const QMargins frame = titled ? QMargins(1, 20, 1, 5) : QMargins();
        QCOMPARE(Vireon::fittedGeometry(QSize(1280, 800), QSize(1024, 680), frame, available), expected);
    }

    void pageSwitches()
    {
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        QPointer<StubPage> history = page(w);
        QCOMPARE(history ? history->initCount : -1, 1);
        QCOMPARE(w.findChild<QScrollArea *>(QStringLiteral("pageScrollArea"))->widget(), history.data());
        QCOMPARE(navigation(w)->currentRow(), NavigationList::rowOfPage(IFunWidget::WGT_HISTROY));

        const int builtBefore = StubPage::built(IFunWidget::WGT_DATAMANAGE);
        navigation(w)->setCurrentRow(NavigationList::rowOfPage(IFunWidget::WGT_DATAMANAGE)); // a click
        QCOMPARE(w.currentPageId(), int(IFunWidget::WGT_DATAMANAGE));
        QCOMPARE(StubPage::built(IFunWidget::WGT_DATAMANAGE), builtBefore + 1);
        QTRY_VERIFY(history.isNull()); // released and deleted
        QCOMPARE(w.previousPages(), QList<int>{IFunWidget::WGT_HISTROY});

        // Page 2 is never remembered as a previous page.
        w.switchFunctionWidgetSlot(IFunWidget::WGT_MAINMENU);
        w.switchFunctionWidgetSlot(IFunWidget::WGT_SYSTEM_SET);
        QCOMPARE(w.previousPages(), (QList<int>{IFunWidget::WGT_HISTROY, IFunWidget::WGT_DATAMANAGE}));

        // Coming back builds a new page.
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        StubPage *current = page(w);
        QVERIFY(current);
        QCOMPARE(current->initCount, 1);

        // No page for the id, or a page that refuses to be left: it stays.
        w.switchFunctionWidgetSlot(9);
        QCOMPARE(page(w), current);
        current->allowLeave = false;
        navigation(w)->setCurrentRow(0);
        QCOMPARE(page(w), current);
        QCOMPARE(current->releaseCount, 0);
        // The list goes back to the row of the page still shown.
        QCOMPARE(navigation(w)->currentRow(), NavigationList::rowOfPage(IFunWidget::WGT_HISTROY));
        current->allowLeave = true;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY); // already current
        QCOMPARE(current->releaseCount, 0);
        QCOMPARE(current->initCount, 1);
    }

    void dialogsTakeEventsAndBringThePageBack()
    {
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        StubPage *p = page(w);

        w.switchDialogWidgetSlot(IDialogWidget::DLG_SAMPLE_QUERY, QVariant(-1));
        QPointer<StubDialog> d = dialog(w);
        // Events go to the open dialog; file progress reaches the page as well.
        const QByteArray done = TransferProgress{1000, 1000}.encode();
        w.networkEventSlot(NetEvt_InstrumentFound, QVariant(QStringList{"127.0.0.2", "X"}));
        w.networkEventSlot(NetEvt_FileProgress, QVariant(done));
        QCOMPARE(d->netEventIds, (QList<int>{NetEvt_InstrumentFound, NetEvt_FileProgress}));
        QCOMPARE(p->netEventIds(), QList<int>{NetEvt_FileProgress});
        QCOMPARE(p->netEvents.last().second.toByteArray(), done);

        emit d->sendEvent(7); // unknown: stays open
        QCOMPARE(w.currentDialog(), d.data());
        emit d->sendEvent(IDialogWidget::DLG_EVENT_UPDATE);
        QCOMPARE(p->updateCount, 1);
        QVERIFY(!w.currentDialog());
        QTRY_VERIFY(d.isNull());

        for (int type : {int(IDialogWidget::DLG_EVENT_RESULT_TRUE), int(IDialogWidget::DLG_EVENT_RESULT_FALSE)}) {
            w.switchDialogWidgetSlot(IDialogWidget::DLG_SAMLPLE_SPLINE, QVariant(-1));
            QPointer<StubDialog> next = dialog(w);
            emit next->sendEvent(type);
            QTRY_VERIFY(next.isNull());
        }
        QCOMPARE(p->dialogResults, (QList<bool>{true, false}));
        // A dialog the user closes: tst_dialogwindow, with the real dialogs.
    }

    void commandsNavigationAndScan()
    {
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_MACHINE_CONNECT);
        StubPage *p = page(w);
        for (bool on : {false, true}) {
            w.sendCtlCmdSlot(Cmd_EnableNavigation, QVariant(on));
            QCOMPARE(w.isNavigationEnabled(), on);
        }

        // Outside a scan a link-up only lights the lamp.
        w.networkEventSlot(NetEvt_LinkState, QVariant(true));
        QVERIFY(w.linkStatus()->isLampGreen());
        QCOMPARE(w.linkStatus()->statusText(), QString("已連接儀器"));
        QVERIFY(p->netEvents.isEmpty());

        // The real worker runs the sweep (loopback only, short collection).
        // (Navigation and the scanning state: tst_machineconnect, end to end.)
        w.sendCtlCmdSlot(Cmd_ScanInstrument, QVariant(-1));
        QVERIFY(w.networkThread());
        QVERIFY(w.networkThread()->isRunning());
        QVERIFY(!w.linkStatus()->isLampGreen());
        QCOMPARE(w.linkStatus()->statusText(), QString("儀器掃描中"));
        // During the scan a link-up is only passed on.
        w.networkEventSlot(NetEvt_LinkState, QVariant(true));
        QVERIFY(!w.linkStatus()->isLampGreen());
        QCOMPARE(p->netEventIds(), QList<int>{NetEvt_LinkState});

        QTRY_VERIFY_WITH_TIMEOUT(p->netEventIds().contains(NetEvt_ScanFinished), 15000);
        QCOMPARE(w.linkStatus()->statusText(), QStringLiteral("儀器掃描完成"));

        // A loss outside a scan turns the lamp red and reaches the page.
        w.networkEventSlot(NetEvt_LinkState, QVariant(true));
        const int before = p->netEvents.size();
        w.networkEventSlot(NetEvt_LinkState, QVariant(false));
        QVERIFY(!w.linkStatus()->isLampGreen());
        QCOMPARE(w.linkStatus()->statusText(), QString("儀器連結已斷開"));
        QCOMPARE(p->netEvents.size(), before + 1);
        QCOMPARE(p->netEvents.last().first, int(NetEvt_LinkState));
        QCOMPARE(p->netEvents.last().second, QVariant(false));

        // A command the window does not route runs in the worker thread.
        w.sendCtlCmdSlot(31, QVariant(-1)); // no wire code: the worker only logs
        QTRY_COMPARE(threadThatLogged(QStringLiteral("portNo err!!")), w.networkThread());

        // Shutdown delivers the close command inside the worker thread before
        // that thread stops.
        QThread *worker = w.networkThread();
        w.deal_app_quit();
        QVERIFY(!worker->isRunning());
        QCOMPARE(threadThatLogged(QStringLiteral("link closed")), worker);
    }

    void httpEventsWithAndWithoutTheUpdatePage()
    {
        Vireon w;
        const QVariant newer(QVariantList{0, QStringLiteral("v1.0.40")});
        w.httpEventSlot(HttpEvt_VersionInfo, newer); // no page shown: dropped
        QVERIFY(!updateAvailable);

        w.switchFunctionWidgetSlot(IFunWidget::WGT_CHECK_UPDATE);
        StubPage *updatePage = page(w);
        for (int id : {39, 40, 41, 42, 43})
            w.httpEventSlot(id, newer);
        QCOMPARE(updatePage->httpEvents.size(), 3);
        QVERIFY(!updateAvailable);
        QVERIFY(MessageDialog::shownTexts().isEmpty());

        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        for (int id : {41, 42})
            w.httpEventSlot(id, newer);
        w.httpEventSlot(HttpEvt_VersionInfo, QVariant(QVariantList{1}));
        w.httpEventSlot(HttpEvt_VersionInfo, QVariant(QVariantList{}));
        QVERIFY(!updateAvailable);
        QVERIFY(MessageDialog::shownTexts().isEmpty());
        MessageDialog::pushNextAnswer(1);
        w.httpEventSlot(HttpEvt_VersionInfo, newer);
        QVERIFY(updateAvailable);
        QCOMPARE(MessageDialog::shownTexts(), QStringList{"伺服器存在軟件更新，請及時更新！"});
        QVERIFY(page(w)->httpEvents.isEmpty());
    }

    // An upload the program refuses is reported as an invalid file. One that
    // could not be put in place (here no backup can be made, as on a full
    // disk) is a failed update, which the page shows: the file was fine.
    void receivedDatabaseRefusedOrNotInstalled_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("shown");
        const QStringList refused{"接收的資料庫檔案無效，未能更新數據，原有數據保持不變"};
        QTest::newRow("refused") << "junk" << refused;
        QTest::newRow("refused: trigger disguised by its type's case") << "trigger" << refused;
        QTest::newRow("not installed") << "valid" << QStringList{};
    }

    void receivedDatabaseRefusedOrNotInstalled()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, shown);
        for (const QString &name :
             QDir("./app").entryList({"AppDatabase*"}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (!QFile::remove("./app/" + name))
                QDir("./app/" + name).removeRecursively();
        }
        const int rows = DemoDataBuilder::build(DbManage::databasePath(), 2, 3);
        QVERIFY(rows > 0);
        // Every backup generation is taken and the oldest cannot be dropped.
        bool written = TestEnv::writeFile(DbManage::backupPath(), "b");
        for (int g = 1; g <= 4; ++g)
            written = TestEnv::writeFile(QStringLiteral("./app/AppDatabase_backup.%1.db").arg(g), "b") && written;
        written = TestEnv::writeFile(QStringLiteral("./app/AppDatabase_backup.5.db/keep"), "x") && written;
        const QString received = QStringLiteral("./app/.AppDatabase.db.received-1");
        written = (kind != QLatin1String("junk") ? DemoDataBuilder::build(received, 4, 5) > 0
                                                 : TestEnv::writeFile(received, TestEnv::patternBytes(8192, 5))) &&
                  written;
        QVERIFY(written);
        if (kind == QLatin1String("trigger"))
            QVERIFY(CraftDb::exec(received, CraftDb::disguisedTrigger()));

        DbManage db;
        const bool opened = db.openDatabase();
        QVERIFY(opened);
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        w.sendCtlCmdSlot(Cmd_StopCurrRequest, QVariant(-1)); // starts the worker thread
        ModalAnswerer::answerNext(1, nullptr, 3000);
        emit NetlPortProc::getInstance()->databaseFileReceived(received, 4096);
        QTRY_COMPARE(page(w)->netEventIds(), QList<int>{NetEvt_FileFailed});
        QCOMPARE(MessageDialog::shownTexts(), shown);
        QCOMPARE(SampleInfoAccess::getCount(), rows);
        QVERIFY(!QFile::exists(received));
        w.deal_app_quit();
    }
};

VIREON_TEST_MAIN(TstVireon)
#include "moc_stubwidgets.cpp"
#include "tst_vireon.moc"
