#include "core/messageids.h"
#include "updatefixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QUrlQuery>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace UpdateFixture;
using Answer = FakeUpdateServer::Answer;
using Request = FakeUpdateServer::Request;

namespace {
constexpr int kTimeoutMs = 300;
QStringList g_log;
QtMessageHandler g_previous = nullptr;

void recordingHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    g_log << msg;
    if (g_previous)
        g_previous(type, context, msg);
}

int logCount(const QString &start)
{
    int n = 0;
    for (const QString &line : g_log)
        n += line.startsWith(start) ? 1 : 0;
    return n;
}

struct Events {
    QList<int> ids;
    QList<QVariant> data;
};

Events events(const QSignalSpy &spy)
{
    Events e;
    for (const QList<QVariant> &args : spy) {
        e.ids << args.at(0).toInt();
        e.data << args.at(1);
    }
    return e;
}

int resultCode(const QSignalSpy &spy)
{
    return spy.last().at(1).toList().value(0).toInt();
}
QString resultText(const QSignalSpy &spy)
{
    return spy.last().at(1).toList().value(1).toString();
}

bool isResult(const QSignalSpy &spy)
{
    return !spy.isEmpty() && spy.last().at(0).toInt() != Cmd_DownloadOtaProgress;
}
} // namespace

class TstHttpFun : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<HttpFun> client(quint16 port)
    {
        auto c = std::make_unique<HttpFun>();
        c->setServerForTesting(QStringLiteral("127.0.0.1"), port);
        c->setTimeoutForTesting(kTimeoutMs);
        return c;
    }

private slots:
    void initTestCase() { g_previous = qInstallMessageHandler(recordingHandler); }

    void init()
    {
        g_log.clear();
        QFile::remove(HttpFun::downloadPath());
        QFile::remove(HttpFun::partPath());
        QDir().rmdir(HttpFun::partPath());
    }

    void versionQueryOnTheWire()
    {
        const QByteArray pkg = package(1000);
        FakeUpdateServer server([&](const Request &, int) { return Answer{200, versionAnswer("v1.0.34", pkg)}; });
        QVERIFY(server.listen());
        auto c = client(server.port());
        QSignalSpy spy(c.get(), &HttpFun::signal_sendHttpEvent);
        c->slot_sendHttpRequest(Cmd_getUpgradePackageInfo, QVariant(0));
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), int(Cmd_getUpgradePackageInfo));
        QCOMPARE(spy.at(0).at(1).toList(), (QVariantList{0, QStringLiteral("網絡錯誤：")}));

        QCOMPARE(server.requestCount(), 1);
        const Request r = server.requests().first();
        QCOMPARE(r.method, QByteArray("POST"));
        QCOMPARE(r.target, QByteArray("/package/version"));
        QCOMPARE(r.headers.value("content-type"), QByteArray("application/json"));
        QCOMPARE(r.headers.value("accept"), QByteArray("*/*"));
        QCOMPARE(r.headers.value("connection"), QByteArray("keep-alive"));
        QCOMPARE(r.headers.value("content-length"), QByteArray("111"));
        QCOMPARE(r.body, UpdateProtocol::buildUpgradeInfoRequest(QStringLiteral("1234567890")));
        // The offered package is stored for the download.
        SystemConfig *config = SystemConfig::getInstance();
        QCOMPARE(config->getUpdatePackageVerInfo(0), QStringLiteral("v1.0.34"));
        QCOMPARE(config->getUpdatePackageMd5Info(0), sha1(pkg));
        QCOMPARE(config->getUpdatePackageFileSizeInfo(0), 1000u);
        QCOMPARE(c->pendingRequestCount(), 0);
    }

    // Rejections are asked three times in all; a verdict on the version is final.
    void versionAnswers_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("contentLength");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("requests");
        const QByteArray pkg = package(10);
        QTest::newRow("newer") << 200 << versionAnswer("v1.0.0.1", pkg) << true << 0 << 1;
        QTest::newRow("same") << 200 << versionAnswer("v1.0.33", pkg) << true << 1014 << 1;
        QTest::newRow("older") << 200 << versionAnswer("v2.0", pkg) << true << 1014 << 1;
        QTest::newRow("root an array") << 200 << QByteArray("[1]") << true << 1004 << 3;
        QTest::newRow("package info a text")
            << 200
            << QByteArray("{\"ack\":\"download_data\",\"data_type\":\"upgrade_package_info\","
                          "\"device_serial\":\"1234567890\",\"upgrade_package_info\":\"x\"}")
            << true << 1003 << 3;
        QTest::newRow("not JSON") << 200 << QByteArray("hello") << true << 1010 << 3;
        QTest::newRow("server failure") << 200 << QByteArray("{\"ack\":\"cmd\",\"result\":\"no\"}") << true << 1000
                                        << 3;
        QTest::newRow("no Content-Length") << 200 << versionAnswer("v1.0.34", pkg) << false << 1005 << 3;
        QTest::newRow("server error status")
            << 500 << QByteArray("oops") << true << int(QNetworkReply::InternalServerError) << 3;
    }

    void versionAnswers()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, contentLength);
        QFETCH(int, code);
        QFETCH(int, requests);
        FakeUpdateServer server([&](const Request &, int) {
            Answer a{status, body};
            a.contentLength = contentLength;
            return a;
        });
        QVERIFY(server.listen());
        auto c = client(server.port());
        QSignalSpy spy(c.get(), &HttpFun::signal_sendHttpEvent);
        c->slot_sendHttpRequest(Cmd_getUpgradePackageInfo, QVariant(0));
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(resultCode(spy), code);
        QCOMPARE(resultText(spy), UpdateProtocol::errorInfo(code));
        QCOMPARE(server.requestCount(), requests);
        for (const Request &r : server.requests())
            QCOMPARE(r.body, server.requests().first().body);
        QCOMPARE(c->pendingRequestCount(), 0);
    }

    void closedPortAfterThreeTries()
    {
        auto c = client(TestEnv::freeTcpPort(QStringLiteral("127.0.0.1")));
        QSignalSpy spy(c.get(), &HttpFun::signal_sendHttpEvent);
        c->slot_sendHttpRequest(Cmd_getUpgradePackageInfo, QVariant(0));
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(resultCode(spy), int(QNetworkReply::ConnectionRefusedError));
        QCOMPARE(resultText(spy), QStringLiteral("網絡錯誤：伺服器異常"));
        QCOMPARE(logCount(QStringLiteral("postRequest")), 3);
    }

    // Downloads: how the server behaves on each GET, what comes out.
    void downloads_data()
    {
        QTest::addColumn<QString>("plan");   // one letter per GET: f full, s stall half-way, o one byte more
        QTest::addColumn<int>("storedSize"); // -1: the package's own size
        QTest::addColumn<bool>("upperDigest");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("gets");
        QTest::newRow("paced") << "f" << -1 << false << 0 << 1;
        QTest::newRow("stall then success") << "sf" << -1 << false << 0 << 2;
        QTest::newRow("stalls to the end") << "sss" << -1 << false << 1006 << 3;
        QTest::newRow("upper-case digest") << "f" << -1 << true << 1008 << 1;
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
        writeFile(HttpFun::downloadPath(), older);
        storeDescription(upperDigest ? sha1(pkg).toUpper() : sha1(pkg), storedSize < 0 ? pkg.size() : storedSize);
        FakeUpdateServer server([&](const Request &, int index) {
            Answer a;
            const QChar kind = plan.at(qMin(index, plan.size() - 1));
            a.body = kind == 'o' ? pkg + 'x' : pkg;
            a.chunkBytes = 8192;
            a.chunkMs = 10;
            if (kind == 's')
                a.stallAfter = pkg.size() / 2;
            return a;
        });
        QVERIFY(server.listen());
        auto c = client(server.port());
        QSignalSpy spy(c.get(), &HttpFun::signal_sendHttpEvent);
        c->slot_sendHttpRequest(Cmd_DownloadOtaFile, QVariant(0));
        QTRY_VERIFY_WITH_TIMEOUT(isResult(spy), 10000);
        QCOMPARE(spy.last().at(0).toInt(), int(Cmd_DownloadOtaFile));
        QCOMPARE(resultCode(spy), code);
        QCOMPARE(server.requestCount(), gets);
        QVERIFY(!QFile::exists(HttpFun::partPath()));
        // Success replaces the older package; any failure leaves it as it was.
        QCOMPARE(readFile(HttpFun::downloadPath()), code == 0 ? pkg : older);

        const Events e = events(spy);
        QList<qulonglong> progress;
        for (int i = 0; i + 1 < e.ids.size(); ++i) {
            QCOMPARE(e.ids.at(i), int(Cmd_DownloadOtaProgress));
            progress << e.data.at(i).toULongLong();
        }
        if (storedSize == 0)
            QVERIFY(progress.isEmpty());
        if (plan == "f" && code == 0) {
            QVERIFY(progress.size() >= 4);
            for (int i = 1; i < progress.size(); ++i)
                QVERIFY(progress.at(i) > progress.at(i - 1));
        }
        for (qulonglong p : progress)
            QVERIFY(p < 100);
        QCOMPARE(c->pendingRequestCount(), 0);
    }

    void downloadAsksForTheStoredPackage()
    {
        storeDescription(sha1(package()), package().size(), QStringLiteral("beta&x=1#2"));
        FakeUpdateServer server([&](const Request &, int) { return Answer{200, package()}; });
        QVERIFY(server.listen());
        auto c = client(server.port());
        QSignalSpy spy(c.get(), &HttpFun::signal_sendHttpEvent);
        c->slot_sendHttpRequest(Cmd_DownloadOtaFile, QVariant(0));
        QTRY_VERIFY(isResult(spy));
        const QByteArray target = server.requests().first().target;
        QVERIFY2(target.startsWith("/package/download?project=KV18_TM_PC&property="), target.constData());
        QVERIFY2(target.endsWith("&version=v1.0.34&device_serial=1234567890"), target.constData());
        const QUrlQuery query(QString::fromLatin1(target.mid(target.indexOf('?') + 1)));
        QCOMPARE(query.queryItems().size(), 4);
        QCOMPARE(QUrl::fromPercentEncoding(query.queryItemValue("property", QUrl::FullyEncoded).toLatin1()),
                 QStringLiteral("beta&x=1#2"));
    }

    void unwritableFileFailsAtOnce()
    {
        storeDescription(sha1(package()), package().size());
        QVERIFY(QDir().mkpath(HttpFun::partPath())); // a folder where the file goes
        FakeUpdateServer server([&](const Request &, int) { return Answer{200, package()}; });
        QVERIFY(server.listen());
        auto c = client(server.port());
        QSignalSpy spy(c.get(), &HttpFun::signal_sendHttpEvent);
        c->slot_sendHttpRequest(Cmd_DownloadOtaFile, QVariant(0));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(resultCode(spy), 1008);
        QCOMPARE(server.requestCount(), 0);
        QVERIFY(QDir().rmdir(HttpFun::partPath()));
    }

#ifdef Q_OS_LINUX
    // A disk that fills up mid-way: downloading again would not cure it.
    void failingWriteEndsAtOnce()
    {
        const QByteArray pkg = package();
        storeDescription(sha1(pkg), pkg.size());
        FakeUpdateServer server([&](const Request &, int) {
            Answer a{200, pkg};
            a.chunkBytes = 8192;
            a.chunkMs = 5;
            return a;
        });
        QVERIFY(server.listen());
        auto c = client(server.port());
        QSignalSpy spy(c.get(), &HttpFun::signal_sendHttpEvent);
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto previous = signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = 20000; // every file of this process stops growing here
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        c->slot_sendHttpRequest(Cmd_DownloadOtaFile, QVariant(0));
        QTRY_VERIFY(isResult(spy));
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, previous);
        QCOMPARE(resultCode(spy), 1008);
        QCOMPARE(server.requestCount(), 1);
        QVERIFY2(spy.size() <= 3, "the download went on past the failing write");
        QVERIFY(!QFile::exists(HttpFun::partPath()));
        QVERIFY(!QFile::exists(HttpFun::downloadPath()));
    }
#endif

    void secondDownloadIsIgnored()
    {
        const QByteArray pkg = package();
        storeDescription(sha1(pkg), pkg.size());
        FakeUpdateServer server([&](const Request &, int) {
            Answer a{200, pkg};
            a.chunkBytes = 4096;
            a.chunkMs = 20;
            return a;
        });
        QVERIFY(server.listen());
        auto c = client(server.port());
        QSignalSpy spy(c.get(), &HttpFun::signal_sendHttpEvent);
        c->slot_sendHttpRequest(Cmd_DownloadOtaFile, QVariant(0));
        QTRY_VERIFY(!spy.isEmpty()); // the first chunk is in
        QVERIFY(!isResult(spy));
        c->slot_sendHttpRequest(Cmd_DownloadOtaFile, QVariant(0));
        QCOMPARE(c->pendingRequestCount(), 1);
        QTRY_VERIFY(isResult(spy));
        QCOMPARE(resultCode(spy), 0);
        QCOMPARE(readFile(HttpFun::downloadPath()), pkg);
        QCOMPARE(server.requestCount(), 1);
        QCOMPARE(events(spy).ids.count(int(Cmd_DownloadOtaFile)), 1);
    }

    // Dropped requests report nothing, their timers die with them, and the
    // partial file goes.
    void stopDropsEverythingSilently()
    {
        storeDescription(sha1(package()), package().size());
        FakeUpdateServer server([&](const Request &, int index) {
            Answer a{200, package()};
            a.stallAfter = 100; // the download leaves a partial file
            if (index >= 3) {   // the query after the stop
                a.body = versionAnswer("v1.0.33", package());
                a.stallAfter = -1;
                a.delayMs = 3 * kTimeoutMs;
            }
            return a;
        });
        QVERIFY(server.listen());
        auto c = client(server.port());
        QSignalSpy spy(c.get(), &HttpFun::signal_sendHttpEvent);
        c->slot_sendHttpRequest(Cmd_DownloadOtaFile, QVariant(0));
        QTRY_VERIFY(QFileInfo(HttpFun::partPath()).size() == 100);
        spy.clear();
        c->slot_sendHttpRequest(Cmd_getUpgradePackageInfo, QVariant(0));
        c->slot_sendHttpRequest(Cmd_getUpgradePackageInfo, QVariant(0));
        QTRY_COMPARE(server.requestCount(), 3);
        QCOMPARE(c->pendingRequestCount(), 3);

        c->slot_sendHttpRequest(Cmd_StopCurrRequest, QVariant(0));
        QCOMPARE(c->pendingRequestCount(), 0);
        QVERIFY(!QFile::exists(HttpFun::partPath()));
        QTRY_VERIFY(server.closedCount() >= 1);
        // A query answered well after the old timers would have fired: it is
        // the only event, and nothing was sent again meanwhile.
        c->setTimeoutForTesting(20 * kTimeoutMs);
        c->slot_sendHttpRequest(Cmd_getUpgradePackageInfo, QVariant(0));
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(resultCode(spy), 1014);
        QCOMPARE(server.requestCount(), 4);
    }

    void destructionRemovesThePartialFile()
    {
        storeDescription(sha1(package()), package().size());
        FakeUpdateServer server([&](const Request &, int) {
            Answer a{200, package()};
            a.stallAfter = 500;
            return a;
        });
        QVERIFY(server.listen());
        auto c = client(server.port());
        c->slot_sendHttpRequest(Cmd_DownloadOtaFile, QVariant(0));
        QTRY_COMPARE(QFileInfo(HttpFun::partPath()).size(), qint64(500));
        c.reset();
        QVERIFY(!QFile::exists(HttpFun::partPath()));
        QVERIFY(!QFile::exists(HttpFun::downloadPath()));
    }

    void loopbackGuardRefusesOtherHosts_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("request");
        QTest::newRow("LAN query") << "192.168.1.20" << int(Cmd_getUpgradePackageInfo);
        QTest::newRow("LAN download") << "10.0.0.1" << int(Cmd_DownloadOtaFile);
        QTest::newRow("host name") << "updates.example.com" << int(Cmd_getUpgradePackageInfo);
        QTest::newRow("unspecified") << "0.0.0.0" << int(Cmd_getUpgradePackageInfo);
    }

    void loopbackGuardRefusesOtherHosts()
    {
        QFETCH(QString, host);
        QFETCH(int, request);
        storeDescription(sha1(package()), package().size());
        HttpFun c;
        c.setServerForTesting(host, 8080);
        QSignalSpy spy(&c, &HttpFun::signal_sendHttpEvent);
        c.slot_sendHttpRequest(request, QVariant(0));
        QCOMPARE(spy.size(), 1); // at once: no request was made
        QCOMPARE(spy.first().at(0).toInt(), request);
        QCOMPARE(resultCode(spy), int(QNetworkReply::HostNotFoundError));
        QCOMPARE(logCount(QStringLiteral("postRequest")) + logCount(QStringLiteral("getRequest")), 0);
        QVERIFY(!QFile::exists(HttpFun::partPath()));
    }

    void digestOfFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("two blocks and a bit") << QByteArray(2 * 1048576 + 3, 'z');
    }

    void digestOfFiles()
    {
        QFETCH(QByteArray, bytes);
        writeFile(QStringLiteral("digest.bin"), bytes);
        QCOMPARE(HttpFun::getFileHash(QStringLiteral("digest.bin")), sha1(bytes));
        QCOMPARE(HttpFun::getFileHash(QStringLiteral("missing.bin")), QString());
    }
};

VIREON_TEST_MAIN(TstHttpFun)
#include "tst_httpfun.moc"
