#include "app/appstartup.h"
#include "app/funwidgetfactory.h"
#include "app/unixsignalquit.h"
#include "app/vireon.h"
#include "core/common.h"
#include "core/messageids.h"
#include "database/dbmanage.h"
#include "database/sampleinfoaccess.h"
#include "shell/appearance.h"
#include "shell/appglobals.h"
#include "shell/widgets/messagedialog.h"
#include "stubwidgets.h"
#include "support/testenv.h"

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

        // Each language's own file is loaded in tst_settingpages; out of range
        // means the source language.
        for (int language : {6, -1})
            QCOMPARE(Appearance::translationFile(language), QStringLiteral("./app/lan/VNX03_zh.qm"));
    }

    // A file that cannot be read: kept as the backup, a fresh database made,
    // the message shown, and the window up and running.
    void damagedDatabaseIsBackedUpAndReported()
    {
        // Folders were removed by the test above; the staged files are gone too.
        AppStartup::createAppFolders();
        const QByteArray junk = TestEnv::patternBytes(8192, 131);
        QVERIFY(TestEnv::writeFile(DbManage::databasePath(), junk));

        DbManage db;
        QVERIFY(AppStartup::openDatabase(db) && db.wasRecreated());
        QCOMPARE(TestEnv::readFile(DbManage::backupPath()), junk);
        QCOMPARE(SampleInfoAccess::getCount(), 0);

        Vireon window;
        MessageDialog::clearShownTexts();
        MessageDialog::pushNextAnswer(1);
        AppStartup::startMainWindow(window, db);
        QCOMPARE(MessageDialog::shownTexts(), QStringList{AppStartup::databaseRecreatedText()});
        QVERIFY(window.isVisible() && window.currentPageId() == IFunWidget::WGT_HISTROY);
        QVERIFY(window.networkThread() && window.networkThread()->isRunning());

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
        QTimer::singleShot(10000, qApp, []() { QCoreApplication::exit(3); }); // hung
        QCOMPARE(AppStartup::runEventLoop(), 0);
        QCOMPARE(aboutToQuit.count(), 1);
    }
};

VIREON_TEST_MAIN(TstStartup)
#include "moc_stubwidgets.cpp"
#include "tst_startup.moc"
