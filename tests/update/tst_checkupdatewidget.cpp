#include "app/funwidgetfactory.h"
#include "app/vireon.h"
#include "core/messageids.h"
#include "shell/appglobals.h"
#include "shell/widgets/messagedialog.h"
#include "update/checkupdatewidget.h"
#include "updatefixture.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

using namespace UpdateFixture;

namespace {
// Any page but the update page, for the main window's routing.
class OtherPage : public IFunWidget
{
public:
    void initWidget() override {}
    QString getTitle() override { return QString(); }
};

const auto result = [](int code) { return QVariant(QVariantList{code, HttpFun::getErrorInfo(code)}); };
using Commands = QList<QVariantList>; // sendCmd's (id, data) in order
} // namespace
Q_DECLARE_METATYPE(Commands)

class TstCheckUpdateWidget : public QObject
{
    Q_OBJECT
private:
    CheckUpdateWidget *m_page = nullptr;
    QList<int> m_quitCodes;

    QProgressBar *bar() const { return m_page->findChild<QProgressBar *>(QStringLiteral("upgradeBar")); }
    QPushButton *button() const { return m_page->findChild<QPushButton *>(QStringLiteral("downloadPagBtn")); }

    // The page as the main window shows it, its commands recorded.
    std::unique_ptr<QSignalSpy> showPage()
    {
        m_page = CheckUpdateWidget::getInstance();
        auto spy = std::make_unique<QSignalSpy>(m_page, &IFunWidget::sendCmd);
        m_page->initWidget();
        m_page->show();
        return spy;
    }

    // Through "是" to a running download: navigation off, the download
    // asked for, the bar shown.
    void startDownload(QSignalSpy &spy)
    {
        updateAvailable = true;
        spy.clear();
        MessageDialog::pushNextAnswer(1);
        m_page->on_downloadPagBtn_clicked();
        QCOMPARE(Commands(spy), (Commands{{int(Cmd_EnableNavigation), false}, {int(Cmd_DownloadOtaFile), 0}}));
        QVERIFY(bar()->isVisible());
        spy.clear();
        MessageDialog::clearShownTexts();
    }

private slots:
    void initTestCase()
    {
        CheckUpdateWidget::setQuitForTesting([this](int code) { m_quitCodes << code; });
        CheckUpdateWidget::setUpdaterDelayForTesting(10);
    }

    void cleanup()
    {
        delete m_page;
        m_page = nullptr;
        updateAvailable = false;
        m_quitCodes.clear();
        MessageDialog::clearShownTexts();
        QFile::remove(HttpFun::downloadPath());
        QFile::remove(QStringLiteral("updater-ran"));
    }

    // Each visit (a row: the page is deleted in between, as the main window
    // does) asks afresh; a flagged update is not asked again (the main
    // window's end-to-end case shows that).
    void versionResults_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("flagged");
        QTest::newRow("newer") << 0 << true;
        QTest::newRow("latest") << 1014 << false;
    }

    void versionResults()
    {
        QFETCH(int, code);
        QFETCH(bool, flagged);
        auto spy = showPage();
        QCOMPARE(Commands(*spy), (Commands{{int(Cmd_getUpgradePackageInfo), 0}}));
        QVERIFY(bar()->isHidden() && !button()->isEnabled());
        m_page->httpEventHandle(HttpEvt_VersionInfo, result(code));
        QCOMPARE(updateAvailable, flagged);
        QCOMPARE(button()->isEnabled(), flagged);
        QVERIFY(MessageDialog::shownTexts().isEmpty());
    }

    // The button with nothing to download, and declined (accepted: startDownload).
    void downloadButton_data()
    {
        QTest::addColumn<bool>("flagged");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<Commands>("sent");
        const int nav = Cmd_EnableNavigation;
        QTest::newRow("no update") << false << 1 << "未檢測到升級包！" << Commands{{nav, true}};
        QTest::newRow("declined") << true << 0 << "檢測到網絡升級包，是否進行升級？"
                                  << Commands{{nav, false}, {nav, true}};
    }

    void downloadButton()
    {
        QFETCH(bool, flagged);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(Commands, sent);
        updateAvailable = flagged;
        auto spy = showPage();
        spy->clear();
        MessageDialog::pushNextAnswer(answer);
        if (flagged)
            button()->click();
        else
            m_page->on_downloadPagBtn_clicked(); // the button is disabled
        QCOMPARE(MessageDialog::shownTexts(), QStringList{question});
        QCOMPARE(Commands(*spy), sent);
        QVERIFY(!button()->isEnabled() && !updateAvailable && bar()->isHidden());
    }

    // A late version result must not offer a second download meanwhile;
    // progress beyond 100 (or wrapping into range when narrowed) is ignored.
    void progressWhileDownloading()
    {
        auto spy = showPage();
        startDownload(*spy);
        m_page->httpEventHandle(HttpEvt_VersionInfo, result(0));
        QVERIFY(!button()->isEnabled());
        m_page->httpEventHandle(HttpEvt_DownloadProgress, QVariant(qulonglong(37)));
        QCOMPARE(qMakePair(bar()->value(), bar()->format()), qMakePair(37, QStringLiteral("正在下載升級包37%...")));
        QVERIFY(!button()->isEnabled());
        for (qulonglong ignored : {qulonglong(101), (qulonglong(1) << 32) + 5})
            m_page->httpEventHandle(HttpEvt_DownloadProgress, QVariant(ignored));
        QCOMPARE(bar()->value(), 37);
    }

    // A failure is shown and told; the updater is exactly the verified file
    // under the working directory; a start that fails keeps the program
    // running.
    void downloadResult_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QByteArray>("package");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("starts");
        const QByteArray script("#!/bin/sh\necho ran > \"$PWD/updater-ran\"\n");
        const QString failure = HttpFun::getErrorInfo(1006);
        const QString done = QStringLiteral("升級包下載成功");
        const QString question = QStringLiteral("升級包下載成功，是否進行升級？");
        QTest::newRow("failed") << 1006 << QList<int>{1} << script << failure << QStringList{failure} << false;
        QTest::newRow("started") << 0 << QList<int>{1} << script << done << QStringList{question} << true;
        QTest::newRow("declined") << 0 << QList<int>{0} << script << done << QStringList{question} << false;
        QTest::newRow("not a program") << 0 << QList<int>{1, 1} << QByteArray("\x7f\x01garbage", 9) << done
                                       << QStringList{question, "升級程式無法啟動！"} << false;
    }

    void downloadResult()
    {
        QFETCH(int, code);
        QFETCH(QList<int>, answers);
        QFETCH(QByteArray, package);
        QFETCH(QString, format);
        QFETCH(QStringList, texts);
        QFETCH(bool, starts);
        QVERIFY(TestEnv::writeFile(HttpFun::downloadPath(), package));
        auto spy = showPage();
        startDownload(*spy);
        for (int answer : answers)
            MessageDialog::pushNextAnswer(answer);
        m_page->httpEventHandle(HttpEvt_Download, result(code));
        QCOMPARE(qMakePair(bar()->value(), bar()->format()), qMakePair(100, format));
        QCOMPARE(MessageDialog::shownTexts(), texts);
        QVERIFY(!button()->isEnabled());
        if (starts) {
            QCOMPARE(m_quitCodes, QList<int>{0});
            QTRY_VERIFY(QFile::exists(QStringLiteral("updater-ran")));
            QVERIFY(spy->isEmpty());
            return;
        }
        QVERIFY(m_quitCodes.isEmpty());
        QCOMPARE(Commands(*spy), (Commands{{int(Cmd_EnableNavigation), true}}));
    }

    // The main window's own client, in its own thread, asks at start; the
    // notice flags the update; the page then downloads through the window.
    void mainWindowEndToEnd()
    {
        const QByteArray pkg = package(300 * 1024);
        FakeUpdateServer server([&](const FakeUpdateServer::Request &r, int) { // paced: 32 KiB every 5 ms
            return FakeUpdateServer::Answer{200, r.method == "POST" ? versionAnswer("v1.0.34", pkg) : pkg, true,
                                            32 * 1024, 5};
        });
        QVERIFY(server.listen());
        HttpFun::setDefaultsForTesting(QStringLiteral("127.0.0.1"), server.port(), 2000);
        // The window's page area deletes the page it leaves.
        FunWidgetFactory::setProviderForTesting([](int id) -> IFunWidget * {
            return id == IFunWidget::WGT_CHECK_UPDATE ? CheckUpdateWidget::getInstance()
                                                      : static_cast<IFunWidget *>(new OtherPage);
        });
        {
            Vireon w;
            QVERIFY(w.updateThread() && w.updateThread() != QThread::currentThread());
            w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
            MessageDialog::pushNextAnswer(1);
            QTRY_VERIFY(updateAvailable);
            QCOMPARE(MessageDialog::shownTexts(), QStringList{"伺服器存在軟件更新，請及時更新！"});
            QCOMPARE(server.requestCount(), 1);

            w.switchFunctionWidgetSlot(IFunWidget::WGT_CHECK_UPDATE);
            m_page = CheckUpdateWidget::getInstance();
            QVERIFY(button()->isEnabled());
            MessageDialog::pushNextAnswer(1); // download
            MessageDialog::pushNextAnswer(0); // do not start the updater
            button()->click();
            QVERIFY(!w.isNavigationEnabled());
            QTRY_COMPARE(bar()->format(), QStringLiteral("升級包下載成功"));
            QVERIFY(w.isNavigationEnabled());
            QCOMPARE(TestEnv::readFile(HttpFun::downloadPath()), pkg);
            QCOMPARE(server.requestCount(), 2);
            m_page = nullptr; // the window deletes its page
        }
        FunWidgetFactory::setProviderForTesting(nullptr);
        HttpFun::setDefaultsForTesting(QStringLiteral("127.0.0.1"), 1, 60000);
    }
};

VIREON_TEST_MAIN(TstCheckUpdateWidget)
#include "tst_checkupdatewidget.moc"
