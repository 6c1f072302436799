#include "../../tools/fake_update_server/fakeupdateserver.h"
#include "app/funwidgetfactory.h"
#include "app/vireon.h"
#include "core/messageids.h"
#include "core/systemconfig.h"
#include "shell/appglobals.h"
#include "shell/widgets/messagedialog.h"
#include "support/testenv.h"
#include "update/checkupdatewidget.h"
#include "update/httpfun.h"
#include "update/updateprotocol.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QUrlQuery>

#include <algorithm>
#include <limits>
#include <memory>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using Answer = FakeUpdateServer::Answer;
using Request = FakeUpdateServer::Request;

namespace {
const auto package = [](int size = 64 * 1024) { return TestEnv::patternBytes(size, 131); };

QString sha1(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

// The package description a successful version query leaves in the settings.
void storeDescription(const QString &digest, qint64 size, const QString &property = QStringLiteral("release"))
{
    SystemConfig::getInstance()->setUpdatePackageInfo(
        0, {"v1.0.34", digest, "KV18_TM_PC", property, "/p/update.exe", QString::number(size), "2026-01-02", "7"});
}

// A package description and a version answer as the server sends them.
QJsonObject packageInfo(const QString &version, const QString &md5 = "0123abcd", int size = 2048,
                        const QString &project = "KV18_TM_PC")
{
    return QJsonObject{{"version", version},           {"md5", md5},
                       {"project", project},           {"property", "release"},
                       {"file_path", "/p/update.exe"}, {"file_size", QString::number(size)},
                       {"upload_time", "2026-01-02"},  {"create_user_id", "7"}};
}

QByteArray versionAnswer(const QJsonValue &info, const QString &ack = "download_data",
                         const QString &serial = "1234567890")
{
    const QJsonObject root{
        {"ack", ack}, {"data_type", "upgrade_package_info"}, {"device_serial", serial}, {"upgrade_package_info", info}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray versionAnswer(const QString &version, const QByteArray &pkg)
{
    return versionAnswer(packageInfo(version, sha1(pkg), pkg.size()));
}

constexpr int kTimeoutMs = 300;
QStringList g_log;
QtMessageHandler g_previous = nullptr;

void recordingHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    g_log << msg;
    if (g_previous)
        g_previous(type, context, msg);
}

// Requests the client really sent, as its log tells.
const auto sentCount = [] { return g_log.filter(QRegularExpression("^(postRequest|getRequest)")).size(); };

// A package served whole, in chunks of `chunkBytes` every `chunkMs`.
const auto paced = [](const QByteArray &body, int chunkBytes, int chunkMs) {
    return Answer{200, body, true, chunkBytes, chunkMs};
};

// A port on 127.0.0.1 held bound and never listening: connections are refused.
quint16 closedPort()
{
    static HeldPort port(HeldPort::Tcp, QStringLiteral("127.0.0.1"));
    return port.port();
}

// A fake update server on 127.0.0.1 (no handler: a closed port), a client of it and its events.
struct ServerExchange {
    FakeUpdateServer server;
    std::unique_ptr<HttpFun> c = std::make_unique<HttpFun>();
    QSignalSpy spy{c.get(), &HttpFun::signal_sendHttpEvent};

    explicit ServerExchange(FakeUpdateServer::Handler handler = nullptr)
        : server(handler)
    {
        if (handler && !server.listen())
            qFatal("the fake update server cannot listen on 127.0.0.1");
        c->setServerForTesting("127.0.0.1", handler ? server.port() : closedPort());
        c->setTimeoutForTesting(kTimeoutMs);
    }
    void send(int request) { c->slot_sendHttpRequest(request, QVariant(0)); }
    int code() const { return spy.last().at(1).toList().value(0).toInt(); }
    QString text() const { return spy.last().at(1).toList().value(1).toString(); }
    // The last event is a result, not download progress.
    bool done() const { return !spy.isEmpty() && spy.last().at(0).toInt() != Cmd_DownloadOtaProgress; }
};

// Any page but the update page, for the main window's routing.
class OtherPage : public IFunWidget
{
public:
    void initWidget() override {}
    QString getTitle() override { return QString(); }
};

const auto result = [](int code) { return QVariant(QVariantList{code, HttpFun::getErrorInfo(code)}); };
// sendCmd's (id, data) in order, one text each, so that a failure shows the command that differs.
using Commands = QStringList;
const auto command = [](int id, const QVariant &data) { return QStringLiteral("%1 %2").arg(id).arg(data.toString()); };
Commands sentBy(const QSignalSpy &spy)
{
    Commands sent;
    for (const QList<QVariant> &args : spy)
        sent << command(args.value(0).toInt(), args.value(1));
    return sent;
}
} // namespace

class TstUpdate : public QObject
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

    // Through "是" to a running download: navigation off, the download asked for, the bar shown.
    void startDownload(QSignalSpy &spy)
    {
        updateAvailable = true;
        spy.clear();
        MessageDialog::pushNextAnswer(1);
        m_page->on_downloadPagBtn_clicked();
        QCOMPARE(sentBy(spy), (Commands{command(Cmd_EnableNavigation, false), command(Cmd_DownloadOtaFile, 0)}));
        QVERIFY(bar()->isVisible());
        spy.clear();
        MessageDialog::clearShownTexts();
    }

private slots:
    void initTestCase()
    {
        g_previous = qInstallMessageHandler(recordingHandler);
        CheckUpdateWidget::setQuitForTesting([this](int code) { m_quitCodes << code; });
        CheckUpdateWidget::setUpdaterDelayForTesting(10);
    }

    void init()
    {
        g_log.clear();
        QFile::remove(HttpFun::downloadPath());
        QFile::remove(HttpFun::partPath());
        QDir().rmdir(HttpFun::partPath());
    }

    void cleanup()
    {
        delete m_page;
        m_page = nullptr;
        updateAvailable = false;
        m_quitCodes.clear();
        MessageDialog::clearShownTexts();
        QFile::remove(QStringLiteral("updater-ran"));
    }

    // The version query on the wire, the same on each try; rejections and a closed port are tried three times in all, a
    // verdict on the version is final, and only an offered newer package is stored for the download.
    void versionAnswers_data()
    {
        QTest::addColumn<int>("status"); // 0: nothing listens on the port
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("contentLength");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("requests");
        const QByteArray pkg = package(1000);
        QTest::newRow("newer") << 200 << versionAnswer("v1.0.0.1", pkg) << true << 0 << 1;
        QTest::newRow("same") << 200 << versionAnswer("v1.0.33", pkg) << true << 1014 << 1;
        QTest::newRow("not JSON") << 200 << QByteArray("hello") << true << 1010 << 3;
        QTest::newRow("no Content-Length") << 200 << versionAnswer("v1.0.34", pkg) << false << 1005 << 3;
        QTest::newRow("port closed") << 0 << QByteArray() << true << int(QNetworkReply::ConnectionRefusedError) << 3;
        QTest::newRow("server error") << 500 << QByteArray("oops") << true << int(QNetworkReply::InternalServerError)
                                      << 3;
        // Only a 200 answers: a redirect's body is no offer, whatever it holds.
        QTest::newRow("redirect with an offer") << 302 << versionAnswer("v1.0.0.1", pkg) << true << 1004 << 3;
    }

    void versionAnswers()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, contentLength);
        QFETCH(int, code);
        QFETCH(int, requests);
        storeDescription("stored", 5);
        ServerExchange s(status ? FakeUpdateServer::Handler([=](const Request &, int) {
            Answer answer{status, body, contentLength};
            answer.delayMs = contentLength ? 0 : 100; // Qt drops an answer closed before its request is out
            return answer;
        })
                                : nullptr);
        s.send(Cmd_getUpgradePackageInfo);
        QTRY_COMPARE(s.spy.size(), 1);
        QCOMPARE(s.spy.last().at(0).toInt(), int(Cmd_getUpgradePackageInfo));
        QCOMPARE(s.code(), code);
        QCOMPARE(s.text(), UpdateProtocol::errorInfo(code));
        QCOMPARE(sentCount(), requests);
        QCOMPARE(s.server.requestCount(), status ? requests : 0);
        for (const Request &r : s.server.requests()) {
            QCOMPARE(r.method, QByteArray("POST"));
            QCOMPARE(r.target, QByteArray("/package/version"));
            QCOMPARE(r.headers.value("content-type"), QByteArray("application/json"));
            QCOMPARE(r.headers.value("accept"), QByteArray("*/*"));
            QCOMPARE(r.headers.value("connection"), QByteArray("keep-alive"));
            QCOMPARE(r.headers.value("content-length"), QByteArray("111"));
            QCOMPARE(r.body, UpdateProtocol::buildUpgradeInfoRequest(QStringLiteral("1234567890")));
        }
        SystemConfig *config = SystemConfig::getInstance();
        QCOMPARE(config->getUpdatePackageVerInfo(0), QString(code == 0 ? "v1.0.0.1" : "v1.0.34"));
        QCOMPARE(config->getUpdatePackageMd5Info(0), code == 0 ? sha1(package(1000)) : QString("stored"));
        QCOMPARE(config->getUpdatePackageFileSizeInfo(0), code == 0 ? 1000u : 5u);
        QCOMPARE(s.c->pendingRequestCount(), 0);
    }

    // Downloads: how the server behaves on each GET, what comes out. Each GET asks for the stored package, its texts
    // encoded (as a server reads them: split on "&", then percent-decoded).
    void downloads_data()
    {
        QTest::addColumn<QString>("plan");   // one letter per GET: f full, s stall half-way, o one byte more, d drip,
                                             // t trickle
        QTest::addColumn<int>("storedSize"); // -1: the package's own size
        QTest::addColumn<bool>("upperDigest");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("gets");
        QTest::newRow("paced") << "f" << -1 << false << 0 << 1;
        QTest::newRow("stall then success") << "sf" << -1 << false << 0 << 2;
        QTest::newRow("stalls to the end") << "sss" << -1 << false << 1006 << 3;
        // Less than 1 KiB within the time limit is a stall, though bytes keep coming.
        QTest::newRow("drips to the end") << "ddd" << -1 << false << 1006 << 3;
        // 1.1 KiB in each time limit passes that rule, but after the first limit its average is far below the floor.
        QTest::newRow("trickles to the end") << "ttt" << -1 << false << 1006 << 3;
        QTest::newRow("upper-case digest") << "f" << -1 << true << 1009 << 1;
        QTest::newRow("expected size 0") << "fff" << 0 << false << 1005 << 3;
        QTest::newRow("larger than stored") << "ooo" << -1 << false << 1005 << 3;
        QTest::newRow("smaller than stored") << "f" << 70000 << false << 1008 << 1;
    }

    void downloads()
    {
        QFETCH(QString, plan);
        QFETCH(int, storedSize);
        QFETCH(bool, upperDigest);
        QFETCH(int, code);
        QFETCH(int, gets);
        const QByteArray pkg = package();
        const QByteArray older("an older verified package");
        QVERIFY(TestEnv::writeFile(HttpFun::downloadPath(), older));
        // Every text goes through the same encoding; this one has what a query could mistake.
        const QString property = QStringLiteral("beta&x=1#2+50% é漢");
        storeDescription(upperDigest ? sha1(pkg).toUpper() : sha1(pkg), storedSize < 0 ? pkg.size() : storedSize,
                         property);
        ServerExchange s([&](const Request &, int index) {
            const QChar kind = plan.at(qMin(index, plan.size() - 1));
            Answer a = kind == 'd' ? paced(pkg, 16, 20) : paced(kind == 'o' ? pkg + 'x' : pkg, 8192, 10);
            if (kind == 't')
                a = paced(pkg, 1126, kTimeoutMs * 3 / 4);
            if (kind == 's')
                a.stallAfter = pkg.size() / 2;
            return a;
        });
        s.send(Cmd_DownloadOtaFile);
        QTRY_VERIFY_WITH_TIMEOUT(s.done(), 10000);
        QCOMPARE(s.spy.last().at(0).toInt(), int(Cmd_DownloadOtaFile));
        QCOMPARE(s.code(), code);
        QCOMPARE(s.server.requestCount(), gets);
        for (const Request &r : s.server.requests()) {
            QCOMPARE(r.method, QByteArray("GET"));
            QVERIFY2(r.target.startsWith("/package/download?project=KV18_TM_PC&property="), r.target.constData());
            QVERIFY2(r.target.endsWith("&version=v1.0.34&device_serial=1234567890"), r.target.constData());
            const QUrlQuery query(QString::fromLatin1(r.target.mid(r.target.indexOf('?') + 1)));
            QCOMPARE(query.queryItems().size(), 4);
            QCOMPARE(QUrl::fromPercentEncoding(query.queryItemValue("property", QUrl::FullyEncoded).toLatin1()),
                     property);
            QVERIFY2(!r.target.contains('+'), r.target.constData()); // a server reads "+" as a space
        }
        QVERIFY(!QFile::exists(HttpFun::partPath()));
        // Success replaces the older package; any failure leaves it as it was.
        QCOMPARE(TestEnv::readFile(HttpFun::downloadPath()), code == 0 ? pkg : older);

        QList<qulonglong> progress;
        for (int i = 0; i + 1 < s.spy.size(); ++i) {
            QCOMPARE(s.spy.at(i).at(0).toInt(), int(Cmd_DownloadOtaProgress));
            progress << s.spy.at(i).at(1).toULongLong();
        }
        if (storedSize == 0)
            QVERIFY(progress.isEmpty());
        if (plan == "f" && code == 0) { // at least four steps, each higher
            QVERIFY2(progress.size() >= 4, qPrintable(QString::number(progress.size())));
            for (int i = 1; i < progress.size(); ++i)
                QVERIFY2(progress.at(i - 1) < progress.at(i), qPrintable(QStringLiteral("step %1").arg(i)));
        }
        QVERIFY(std::all_of(progress.begin(), progress.end(), [](qulonglong p) { return p < 100; }));
        QCOMPARE(s.c->pendingRequestCount(), 0);
    }

#ifdef Q_OS_LINUX
    // A disk that fills up mid-way: downloading again would not cure it.
    void failingWriteEndsAtOnce()
    {
        const QByteArray pkg = package();
        storeDescription(sha1(pkg), pkg.size());
        ServerExchange s([&](const Request &, int) { return paced(pkg, 8192, 5); });
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto previous = signal(SIGXFSZ, SIG_IGN);
        const struct rlimit small {
            20000, old.rlim_max
        }; // every file of this process stops growing here
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        s.send(Cmd_DownloadOtaFile);
        QTRY_VERIFY(s.done());
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, previous);
        QCOMPARE(s.code(), 1008);
        QCOMPARE(s.server.requestCount(), 1);
        QVERIFY2(s.spy.size() <= 3, "the download went on past the failing write");
        QVERIFY(!QFile::exists(HttpFun::partPath()));
        QVERIFY(!QFile::exists(HttpFun::downloadPath()));
    }
#endif

    void secondDownloadIsIgnored()
    {
        const QByteArray pkg = package();
        storeDescription(sha1(pkg), pkg.size());
        ServerExchange s([&](const Request &, int) { return paced(pkg, 4096, 20); });
        s.c->setTimeoutForTesting(10 * kTimeoutMs); // slow on purpose, not too slow for the limit's floor
        s.send(Cmd_DownloadOtaFile);
        QTRY_VERIFY(!s.spy.isEmpty()); // the first chunk is in
        QVERIFY(!s.done());
        s.send(Cmd_DownloadOtaFile);
        QCOMPARE(s.c->pendingRequestCount(), 1);
        QTRY_VERIFY(s.done());
        QCOMPARE(s.code(), 0);
        QCOMPARE(TestEnv::readFile(HttpFun::downloadPath()), pkg);
        QCOMPARE(s.server.requestCount(), 1);
        for (int i = 0; i + 1 < s.spy.size(); ++i) // one result: every event before it is progress
            QCOMPARE(s.spy.at(i).at(0).toInt(), int(Cmd_DownloadOtaProgress));
    }

    // Dropped requests report nothing, their timers die with them, and the partial file goes.
    void stopDropsEverythingSilently()
    {
        storeDescription(sha1(package()), package().size());
        // The download stalls, leaving a partial file; the query after the stop is answered late.
        ServerExchange s([&](const Request &, int index) {
            return index < 3 ? Answer{200, package(), true, 0, 0, 100}
                             : Answer{200, versionAnswer("v1.0.33", package()), true, 0, 0, -1, 3 * kTimeoutMs};
        });
        s.send(Cmd_DownloadOtaFile);
        QTRY_VERIFY(QFileInfo(HttpFun::partPath()).size() == 100);
        s.spy.clear();
        s.send(Cmd_getUpgradePackageInfo);
        s.send(Cmd_getUpgradePackageInfo);
        QTRY_COMPARE(s.server.requestCount(), 3);
        QCOMPARE(s.c->pendingRequestCount(), 3);

        s.send(Cmd_StopCurrRequest);
        QCOMPARE(s.c->pendingRequestCount(), 0);
        QVERIFY(!QFile::exists(HttpFun::partPath()));
        QTRY_VERIFY(s.server.closedCount() >= 1);
        // A query answered well after the old timers would have fired: it is
        // the only event, and nothing was sent again meanwhile.
        s.c->setTimeoutForTesting(20 * kTimeoutMs);
        s.send(Cmd_getUpgradePackageInfo);
        QTRY_COMPARE(s.spy.size(), 1);
        QCOMPARE(s.code(), 1014);
        QCOMPARE(s.server.requestCount(), 4);
    }

    void destructionRemovesThePartialFile()
    {
        storeDescription(sha1(package()), package().size());
        ServerExchange s([&](const Request &, int) { return Answer{200, package(), true, 0, 0, 500}; });
        s.send(Cmd_DownloadOtaFile);
        QTRY_COMPARE(QFileInfo(HttpFun::partPath()).size(), qint64(500));
        s.c.reset();
        QVERIFY(!QFile::exists(HttpFun::partPath()));
        QVERIFY(!QFile::exists(HttpFun::downloadPath()));
    }

    // Other hosts than this machine, and a download file that cannot be
    // written (a folder where it goes), fail at once without a request.
    void refusedAtOnce_data()
    {
        QTest::addColumn<QString>("host"); // empty: 127.0.0.1, the download file a folder
        QTest::addColumn<int>("request");
        QTest::addColumn<int>("code");
        const int notFound = QNetworkReply::HostNotFoundError;
        QTest::newRow("LAN query") << "192.168.1.20" << int(Cmd_getUpgradePackageInfo) << notFound;
        QTest::newRow("LAN download") << "10.0.0.1" << int(Cmd_DownloadOtaFile) << notFound;
        QTest::newRow("host name") << "updates.example.com" << int(Cmd_getUpgradePackageInfo) << notFound;
        QTest::newRow("unspecified") << "0.0.0.0" << int(Cmd_getUpgradePackageInfo) << notFound;
        QTest::newRow("unwritable file") << "" << int(Cmd_DownloadOtaFile) << 1008;
    }

    void refusedAtOnce()
    {
        QFETCH(QString, host);
        QFETCH(int, request);
        QFETCH(int, code);
        storeDescription(sha1(package()), package().size());
        ServerExchange s;
        if (host.isEmpty())
            QVERIFY(QDir().mkpath(HttpFun::partPath()));
        else
            s.c->setServerForTesting(host, closedPort());
        s.send(request);
        QCOMPARE(s.spy.size(), 1); // at once: no request was made
        QCOMPARE(s.spy.first().at(0).toInt(), request);
        QCOMPARE(s.code(), code);
        QCOMPARE(sentCount(), 0);
        QCOMPARE(QFileInfo::exists(HttpFun::partPath()), host.isEmpty()); // nothing written
    }

    void digestOfFiles()
    {
        for (const QByteArray &bytes : {QByteArray(), QByteArray(2 * 1048576 + 3, 'z')}) { // two blocks and a bit
            QVERIFY(TestEnv::writeFile(QStringLiteral("digest.bin"), bytes));
            QCOMPARE(HttpFun::getFileHash(QStringLiteral("digest.bin")), sha1(bytes));
        }
        QCOMPARE(HttpFun::getFileHash(QStringLiteral("missing.bin")), QString());
    }

    // The demo's update server tool, as a newcomer meets it through ./run.sh.
    void toolOffersADownloadOnLoopbackOnly()
    {
        QProcess tool;
        const quint16 port = TestEnv::startTool(tool, QStringLiteral("fake_update_server"),
                                                {"--port", "0", "--chunk-ms", "1", "--version", "v1.0.40"});
        QVERIFY(port != 0);
        ServerExchange s;
        s.c->setServerForTesting(QStringLiteral("127.0.0.1"), port);
        s.c->setTimeoutForTesting(20000);
        s.send(Cmd_getUpgradePackageInfo);
        QTRY_COMPARE(s.spy.size(), 1);
        QCOMPARE(s.code(), 0);
        QCOMPARE(SystemConfig::getInstance()->getUpdatePackageVerInfo(0), QStringLiteral("v1.0.40"));
        s.spy.clear();
        s.send(Cmd_DownloadOtaFile);
        QTRY_VERIFY_WITH_TIMEOUT(s.done(), 20000);
        QCOMPARE(s.spy.last().at(0).toInt(), int(Cmd_DownloadOtaFile));
        QCOMPARE(s.code(), 0);
        const QByteArray updater = TestEnv::readFile(HttpFun::downloadPath());
        QVERIFY(updater.startsWith("#!/bin/sh\n"));
        QCOMPARE(quint32(updater.size()), SystemConfig::getInstance()->getUpdatePackageFileSizeInfo(0));
        QVERIFY(s.spy.size() > 2); // progress on the way; the tool ends with its QProcess

        // It refuses any address off this machine.
        for (const char *address : {"192.168.1.10", "0.0.0.0", "example.org"}) {
            QProcess refusing;
            QCOMPARE(TestEnv::startTool(refusing, QStringLiteral("fake_update_server"),
                                        {"--address", address, "--port", "0"}),
                     quint16(0));
            QVERIFY(refusing.state() == QProcess::NotRunning || refusing.waitForFinished(10000));
            QVERIFY2(refusing.exitCode() == 2, address);
            QVERIFY2(refusing.readAllStandardError().contains("refused"), address);
        }
    }

    void versionQueryBody()
    {
        QCOMPARE(UpdateProtocol::buildUpgradeInfoRequest(QStringLiteral("1234567890")),
                 QByteArray("{\"cmd\":\"download_data\",\"data_type\":\"upgrade_package_info\","
                            "\"device_serial\":\"1234567890\",\"project\":\"KV18_TM_PC\"}\n"));
        // A serial with quotes and non-ASCII text still gives one valid object.
        const QString odd = QStringLiteral("a\"b\\c é");
        const QJsonObject back = QJsonDocument::fromJson(UpdateProtocol::buildUpgradeInfoRequest(odd)).object();
        QCOMPARE(back.value(QStringLiteral("device_serial")).toString(), odd);
    }

    // Every value of the download query comes back whole as a server reads the query: split on "&" and "=", "+" as
    // a space, then percent-decoded.
    void downloadUrl_data()
    {
        QTest::addColumn<QStringList>("values"); // project, property, version, serial
        QTest::newRow("ampersand and equals") << QStringList{"KV18&x=1", "a=b", "v1&2", "s&version=9"};
        QTest::newRow("plus percent space") << QStringList{"a+b", "50%", "v 1+%41", "é漢+1%"};
    }

    void downloadUrl()
    {
        QFETCH(QStringList, values);
        const QUrl url = UpdateProtocol::downloadUrl("127.0.0.1", 8080, values[0], values[1], values[2], values[3]);
        const QStringList items = url.query(QUrl::FullyEncoded).split('&');
        const QStringList keys{"project", "property", "version", "device_serial"};
        QCOMPARE(items.size(), keys.size());
        for (int i = 0; i < keys.size(); ++i) {
            const int equals = items[i].indexOf('=');
            QCOMPARE(items[i].left(equals), keys[i]);
            QByteArray value = items[i].mid(equals + 1).toLatin1();
            QCOMPARE(QUrl::fromPercentEncoding(value.replace('+', ' ')), values[i]);
        }
    }

    void judgeAnswer_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("newer") << versionAnswer(packageInfo("v1.0.34")) << 0;
        QTest::newRow("equal") << versionAnswer(packageInfo("v1.0.33")) << 1014;
        QTest::newRow("project inside a longer text")
            << versionAnswer(packageInfo("v1.0.34", "0123abcd", 2048, "xKV18_TM_PCy")) << 0;
        QTest::newRow("other project") << versionAnswer(packageInfo("v1.0.34", "0123abcd", 2048, "KV19")) << 1010;
        QTest::newRow("serial inside a longer text")
            << versionAnswer(packageInfo("v1.0.34"), "download_data", "#1234567890#") << 0;
        QTest::newRow("other serial") << versionAnswer(packageInfo("v1.0.34"), "download_data", "123456789") << 1004;
        QTest::newRow("ack without download_data") << versionAnswer(packageInfo("v1.0.34"), "upload") << 1004;
        QJsonObject sizeAsNumber = packageInfo("v1.0.34");
        sizeAsNumber.insert(QStringLiteral("file_size"), 2048);
        QTest::newRow("file_size a number") << versionAnswer(sizeAsNumber) << 1003;
        QJsonObject missing = packageInfo("v1.0.34");
        missing.remove(QStringLiteral("create_user_id"));
        QTest::newRow("member missing") << versionAnswer(missing) << 1003;
        QTest::newRow("package info a text") << versionAnswer(QJsonValue("x")) << 1003;
        QTest::newRow("root an array") << QByteArray("[1]") << 1004;
        QTest::newRow("data_type missing") << QByteArray("{\"ack\":\"download_data\",\"device_serial\":\"1234567890\","
                                                         "\"upgrade_package_info\":{}}")
                                           << 1004;
        QTest::newRow("server failure") << QByteArray("{\"ack\":\"cmd_err\",\"result\":\"bad command\"}") << 1000;
        QTest::newRow("server failure wins") << QByteArray("{\"ack\":\"cmd download_data\",\"result\":\"x\"}") << 1000;
        QTest::newRow("result a number falls through") << QByteArray("{\"ack\":\"cmd_err\",\"result\":3}") << 1004;
        QTest::newRow("not JSON") << QByteArray("<html>") << 1010;
        QTest::newRow("nested too deep") << QByteArray(100000, '[') << 1010;
        QTest::newRow("not UTF-8") << QByteArray("{\"ack\":\"\xff\xfe\"}") << 1004;
    }

    void judgeAnswer()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, code);
        QStringList info;
        QCOMPARE(
            UpdateProtocol::judgeVersionAnswer(text, QStringLiteral("1234567890"), QStringLiteral("v1.0.33"), &info),
            code);
        // Only an offered package is described, its eight members in order.
        const QJsonObject offered = QJsonDocument::fromJson(text).object().value("upgrade_package_info").toObject();
        QStringList expected;
        for (const char *key :
             {"version", "md5", "project", "property", "file_path", "file_size", "upload_time", "create_user_id"})
            expected << offered.value(QLatin1String(key)).toString();
        QCOMPARE(info, code == 0 ? expected : QStringList());
    }

    void versionNumber_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("number");
        const int max = std::numeric_limits<int>::max(), min = std::numeric_limits<int>::min();
        QTest::newRow("program") << "1.0.33" << 10033;
        QTest::newRow("four parts") << "1.0.0.1" << 1000001;
        QTest::newRow("part not a number") << "x.5" << 5;
        QTest::newRow("empty part kept") << "1..2" << 10002;
        QTest::newRow("empty text") << "" << 0;
        QTest::newRow("long version saturates") << "1.0.0.0.0.0" << max;
        QTest::newRow("large part saturates") << "3000000000" << max;
        QTest::newRow("negative saturates") << "-1.0.0.0.0.0" << min;
        QTest::newRow("beyond 64 bits is not a number") << "99999999999999999999.1" << 1;
        QTest::newRow("infinite weight of a zero part") << QString("0.").repeated(300) + "7" << 7;
        QTest::newRow("infinite weight saturates") << QString("1.").repeated(300) + "7" << max;
    }

    void versionNumber()
    {
        QFETCH(QString, version);
        QFETCH(int, number);
        QCOMPARE(UpdateProtocol::versionNumber(version), number);
    }

    // Each visit (a row: the page is deleted in between, as the main window does) asks afresh; only a newer version
    // flags the update and enables the button. Then the button with nothing to download, declined, and accepted (the
    // bar starts from 0, not from the form's value). A flagged update is not asked again (the main window's
    // end-to-end case shows that).
    void visitAndButton_data()
    {
        QTest::addColumn<int>("code"); // 0: an update is offered
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<Commands>("sent");
        const int nav = Cmd_EnableNavigation;
        QTest::newRow("latest") << 1014 << 1 << "未檢測到升級包！" << Commands{command(nav, true)};
        QTest::newRow("newer, declined") << 0 << 0 << "檢測到網絡升級包，是否進行升級？"
                                         << Commands{command(nav, false), command(nav, true)};
        QTest::newRow("newer, accepted") << 0 << 1 << "檢測到網絡升級包，是否進行升級？"
                                         << Commands{command(nav, false), command(Cmd_DownloadOtaFile, 0)};
    }

    void visitAndButton()
    {
        QFETCH(int, code);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(Commands, sent);
        const bool flagged = code == 0;
        auto spy = showPage();
        QCOMPARE(sentBy(*spy), Commands{command(Cmd_getUpgradePackageInfo, 0)});
        QVERIFY(bar()->isHidden());
        QVERIFY(!button()->isEnabled());
        m_page->httpEventHandle(HttpEvt_VersionInfo, result(code));
        QCOMPARE(updateAvailable, flagged);
        QCOMPARE(button()->isEnabled(), flagged);
        QVERIFY(MessageDialog::shownTexts().isEmpty());
        spy->clear();
        MessageDialog::pushNextAnswer(answer);
        if (flagged)
            button()->click();
        else
            m_page->on_downloadPagBtn_clicked(); // the button is disabled
        QCOMPARE(MessageDialog::shownTexts(), QStringList{question});
        QCOMPARE(sentBy(*spy), sent);
        QVERIFY(!button()->isEnabled());
        QVERIFY(!updateAvailable);
        const bool downloading = flagged && answer == 1;
        QCOMPARE(bar()->isVisible(), downloading);
        if (downloading) {
            QCOMPARE(bar()->value(), 0);
            QCOMPARE(bar()->format(), QStringLiteral("正在下載升級包... 0%"));
        }
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
        QCOMPARE(bar()->value(), 37);
        QCOMPARE(bar()->format(), QStringLiteral("正在下載升級包37%..."));
        QVERIFY(!button()->isEnabled());
        for (qulonglong ignored : {qulonglong(101), (qulonglong(1) << 32) + 5})
            m_page->httpEventHandle(HttpEvt_DownloadProgress, QVariant(ignored));
        QCOMPARE(bar()->value(), 37);
    }

    // A failure is shown and told (one that brings only its code, with that code's text; a code without one gets the
    // bare prefix); the updater is exactly the verified file under the working directory; a start that fails keeps the
    // program running.
    void downloadResult_data()
    {
        QTest::addColumn<QVariant>("event");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QByteArray>("package");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("starts");
        const QByteArray script("#!/bin/sh\necho ran > \"$PWD/updater-ran\"\n");
        const QString failure = QStringLiteral("網絡錯誤：儀器請求伺服器超時");
        const QString done = QStringLiteral("升級包下載成功");
        const QString question = QStringLiteral("升級包下載成功，是否進行升級？");
        QTest::newRow("failed") << result(1006) << QList<int>{1} << script << failure << QStringList{failure} << false;
        const auto onlyCode = [&](const char *row, int code, const QString &text) {
            QTest::newRow(row) << QVariant(QVariantList{code}) << QList<int>{1} << script << text << QStringList{text}
                               << false;
        };
        onlyCode("only a code in the server's range", 5, "網絡錯誤：伺服器異常");
        onlyCode("only the md5 code", 1009, "網絡錯誤：下載文件校驗md5錯誤");
        onlyCode("only a code between two ranges", 8, "網絡錯誤：");
        onlyCode("only an unknown code", 1016, "網絡錯誤：");
        QTest::newRow("started") << result(0) << QList<int>{1} << script << done << QStringList{question} << true;
        QTest::newRow("declined") << result(0) << QList<int>{0} << script << done << QStringList{question} << false;
        QTest::newRow("not a program") << result(0) << QList<int>{1, 1} << QByteArray("\x7f\x01garbage", 9) << done
                                       << QStringList{question, "升級程式無法啟動！"} << false;
    }

    void downloadResult()
    {
        QFETCH(QVariant, event);
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
        m_page->httpEventHandle(HttpEvt_Download, event);
        QCOMPARE(bar()->value(), 100);
        QCOMPARE(bar()->format(), format);
        QCOMPARE(MessageDialog::shownTexts(), texts);
        QVERIFY(!button()->isEnabled());
        if (starts) {
            QCOMPARE(m_quitCodes, QList<int>{0});
            QTRY_VERIFY(QFile::exists(QStringLiteral("updater-ran")));
            QVERIFY(spy->isEmpty());
            return;
        }
        QVERIFY(m_quitCodes.isEmpty());
        QCOMPARE(sentBy(*spy), Commands{command(Cmd_EnableNavigation, true)});
    }

    // The main window's own client, in its own thread, asks at start; the
    // notice flags the update; the page then downloads through the window.
    void mainWindowEndToEnd()
    {
        const QByteArray pkg = package(300 * 1024);
        FakeUpdateServer server([&](const Request &r, int) {
            return paced(r.method == "POST" ? versionAnswer("v1.0.34", pkg) : pkg, 32 * 1024, 5);
        });
        QVERIFY(server.listen());
        HttpFun::setDefaultsForTesting(QStringLiteral("127.0.0.1"), server.port(), 2000);
        const auto restore = qScopeGuard([] {
            FunWidgetFactory::setProviderForTesting(nullptr);
            HttpFun::setDefaultsForTesting(QStringLiteral("127.0.0.1"), 1, 60000);
        });
        FunWidgetFactory::setProviderForTesting([](int id) -> IFunWidget * {
            return id == IFunWidget::WGT_CHECK_UPDATE ? CheckUpdateWidget::getInstance()
                                                      : static_cast<IFunWidget *>(new OtherPage);
        });
        {
            Vireon w;
            const auto forgetPage = qScopeGuard([this] { m_page = nullptr; }); // the window deletes its page
            QVERIFY(w.updateThread());
            QVERIFY(w.updateThread() != QThread::currentThread());
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
        }
    }

    // The window closes while its version query still waits for an answer:
    // the client goes with its stopped thread, and so does everything the
    // pending request holds.
    void mainWindowFreesAPendingRequest()
    {
        FakeUpdateServer server([](const Request &, int) {
            Answer silent;
            silent.silent = true;
            return silent;
        });
        QVERIFY(server.listen());
        HttpFun::setDefaultsForTesting(QStringLiteral("127.0.0.1"), server.port(), 60000);
        const auto restore = qScopeGuard([] { HttpFun::setDefaultsForTesting(QStringLiteral("127.0.0.1"), 1, 60000); });
        auto window = std::make_unique<Vireon>();
        QPointer<HttpFun> client = HttpFun::getInstance();
        QVERIFY(client);
        QTRY_COMPARE(server.requestCount(), 1);
        QPointer<QTimer> timer;
        QPointer<QNetworkReply> reply;
        QMetaObject::invokeMethod(
            client,
            [&]() {
                if (const HttpFunRes *res = client->pendingRequestForTesting(0)) {
                    timer = res->timer;
                    reply = res->reply;
                }
            },
            Qt::BlockingQueuedConnection);
        QVERIFY(timer);
        QVERIFY(reply);

        window.reset();
        QVERIFY(client.isNull());
        QVERIFY(timer.isNull());
        QVERIFY(reply.isNull());
    }
};

VIREON_TEST_MAIN(TstUpdate)
#include "tst_update.moc"
