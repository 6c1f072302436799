#include "app/appstartup.h"
#include "app/funwidgetfactory.h"
#include "app/unixsignalquit.h"
#include "app/vireon.h"
#include "core/common.h"
#include "core/messageids.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "link/netlportproc.h"
#include "link/transferprogress.h"
#include "shell/appearance.h"
#include "shell/appglobals.h"
#include "shell/widgets/messagedialog.h"
#include "stubwidgets.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>

#include <csignal>

// Start-up as main() runs it, in-process, against a real encrypted database.
class TstStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Nothing may be listening for the connect command: it goes to
        // 127.0.0.2 on a port of its own.
        TestEnv::seedIni({{QStringLiteral("NetConfig/HostPort"), QStringLiteral("45497")}});
        FunWidgetFactory::setProviderForTesting([](int id) -> IFunWidget * { return StubPage::getInstance(id); });
    }

    void foldersAndTranslationFiles()
    {
        for (const QString &folder : AppStartup::appFolders())
            QDir(folder).removeRecursively();
        QVERIFY(AppStartup::createAppFolders());
        for (const char *folder : {"app/config", "app/debugLog", "app/Logo", "app/print", "app/PdfFile"})
            QVERIFY2(QDir(TestEnv::instance()->path(QString::fromLatin1(folder))).exists(), folder);

        const QStringList suffixes{"zh", "en", "sp", "zh_jt", "por", "jp"};
        for (int i = 0; i < suffixes.size(); ++i)
            QCOMPARE(Appearance::translationFile(i), QStringLiteral("./app/lan/VNX03_%1.qm").arg(suffixes[i]));
        QCOMPARE(Appearance::translationFile(6), QStringLiteral("./app/lan/VNX03_zh.qm"));
        QCOMPARE(Appearance::translationFile(-1), QStringLiteral("./app/lan/VNX03_zh.qm"));
    }

    // A file that cannot be read: kept as the backup, a fresh database made,
    // the message shown, and the window up and running.
    void damagedDatabaseIsBackedUpAndReported()
    {
        // Folders were removed by the test above; the staged files are gone too.
        AppStartup::createAppFolders();
        QByteArray junk(8192, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = static_cast<char>((i * 131 + 7) & 0xff);
        QFile damaged(DbManage::databasePath());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(junk);
        damaged.close();

        DbManage db;
        QVERIFY(AppStartup::openDatabase(db));
        QVERIFY(db.wasRecreated());
        QFile backup(DbManage::backupPath());
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), junk);
        QCOMPARE(SampleInfoAccess::getCount(), 0);

        Vireon window;
        MessageDialog::clearShownTexts();
        MessageDialog::pushNextAnswer(1);
        AppStartup::startMainWindow(window, db);
        QCOMPARE(MessageDialog::shownTexts(), QStringList{AppStartup::databaseRecreatedText()});
        QVERIFY(window.isVisible());
        QCOMPARE(window.currentPageId(), int(IFunWidget::WGT_HISTROY));
        QVERIFY(window.networkThread() && window.networkThread()->isRunning());

        receivedDatabaseIsInstalled(window);
        invalidReceivedDatabaseKeepsTheOldOne(window);

        window.deal_app_quit();
        QVERIFY(!window.networkThread()->isRunning());
    }

    // Last: it runs the application's own event loop. A stop signal taken by a
    // nested loop of start-up (the 100 ms wait, a message box) must still end
    // the program once its main loop runs, through the usual quit.
    void stopSignalDuringStartUpEndsTheMainLoop()
    {
        QVERIFY(UnixSignalQuit::install());
        ::raise(SIGTERM);
        for (int i = 0; i < 50 && !UnixSignalQuit::quitRequested(); ++i)
            Common::getInstance()->delayMs(100);
        QVERIFY(UnixSignalQuit::quitRequested());

        QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
        bool hung = false;
        QTimer::singleShot(10000, qApp, [&hung]() {
            hung = true;
            QCoreApplication::quit();
        });
        QCOMPARE(AppStartup::runEventLoop(), 0);
        QVERIFY(!hung);
        QCOMPARE(aboutToQuit.count(), 1);
    }

private:
    void receivedDatabaseIsInstalled(Vireon &window)
    {
        auto *page = qobject_cast<StubPage *>(window.currentPage());
        QVERIFY(page);
        const QString temp = TestEnv::instance()->path(QStringLiteral("app/upload.tmp"));
        const int rows = DemoDataBuilder::build(temp, 3, 5);
        QVERIFY(rows > 0);
        const qint64 size = QFileInfo(temp).size();
        page->netEvents.clear();
        emit NetlPortProc::getInstance()->databaseFileReceived(temp, size);
        // Link-state events of the connect command may come in between.
        QTRY_COMPARE(page->netEventIds().count(NetEvt_FileProgress), 1);
        QVariant payload;
        for (const auto &event : page->netEvents) {
            if (event.first == NetEvt_FileProgress)
                payload = event.second;
        }
        const TransferProgress done = TransferProgress::decode(payload.toByteArray());
        QCOMPARE(done.received, size);
        QCOMPARE(done.total, size);
        QVERIFY(!QFile::exists(temp));
        QVERIFY(SampleInfoAccess::getCount() > 0);
    }

    void invalidReceivedDatabaseKeepsTheOldOne(Vireon &window)
    {
        auto *page = qobject_cast<StubPage *>(window.currentPage());
        const int before = SampleInfoAccess::getCount();
        const QString temp = TestEnv::instance()->path(QStringLiteral("app/upload2.tmp"));
        QFile bad(temp);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(QByteArray(4096, 'x'));
        bad.close();
        page->netEvents.clear();
        MessageDialog::clearShownTexts();
        MessageDialog::pushNextAnswer(1);
        emit NetlPortProc::getInstance()->databaseFileReceived(temp, 4096);
        QTRY_COMPARE(MessageDialog::shownTexts().size(), 1);
        QVERIFY(MessageDialog::shownTexts().first().contains(QStringLiteral("原有數據保持不變")));
        QVERIFY(!page->netEventIds().contains(NetEvt_FileProgress)); // no "complete" for a file not installed
        QVERIFY(!QFile::exists(temp));
        QCOMPARE(SampleInfoAccess::getCount(), before);
    }
};

VIREON_TEST_MAIN(TstStartup)
#include "moc_stubwidgets.cpp"
#include "tst_startup.moc"
