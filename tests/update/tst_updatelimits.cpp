#include "../../tools/fake_update_server/fakeupdateserver.h"
#include "core/messageids.h"
#include "core/systemconfig.h"
#include "support/testenv.h"
#include "update/httpfun.h"
#include "update/updateprotocol.h"

#include <QSignalSpy>

using Answer = FakeUpdateServer::Answer;

namespace {
#ifdef Q_OS_LINUX
// The highest resident size this process has had, in KiB.
qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}
#endif

// How one version query against a server on 127.0.0.1 ended.
struct Outcome {
    int event = -1; // the id of the client's one event; -1: none in time
    int code = -1;
    int requests = 0; // that reached the server
    int pending = -1; // records the client still holds
};

// One version query; every request is answered with `answer`.
Outcome query(const Answer &answer, int timeoutMs)
{
    FakeUpdateServer server([answer](const FakeUpdateServer::Request &, int) { return answer; });
    if (!server.listen())
        qFatal("the fake update server cannot listen on 127.0.0.1");
    HttpFun client;
    client.setServerForTesting(QStringLiteral("127.0.0.1"), server.port());
    client.setTimeoutForTesting(timeoutMs);
    QSignalSpy events(&client, &HttpFun::signal_sendHttpEvent);
    client.slot_sendHttpRequest(Cmd_getUpgradePackageInfo, QVariant(0));
    Outcome out;
    if (QTest::qWaitFor([&]() { return !events.isEmpty(); }, 4 * timeoutMs)) {
        out.event = events.first().at(0).toInt();
        out.code = events.first().at(1).toList().value(0).toInt();
    }
    out.requests = server.requestCount();
    out.pending = client.pendingRequestCount();
    return out;
}
} // namespace

// The version query at its limits: a server that drops the connection
// unanswered gets the three tries and not one more, and an answer of any
// size costs the client no more memory than a version answer can need.
class TstUpdateLimits : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SystemConfig::getInstance()->setUpdatePackageInfo(
            0, {"v1.0.34", "stored", "KV18_TM_PC", "release", "/p/update.exe", "5", "2026-01-02", "7"});
    }

    // The network stack must not send a request again on its own, behind
    // the client's count of tries.
    void connectionEndsBeforeAnswer_data()
    {
        QTest::addColumn<int>("drop");
        QTest::newRow("closed") << int(Answer::Close);
        QTest::newRow("reset") << int(Answer::Reset);
    }
    void connectionEndsBeforeAnswer()
    {
        QFETCH(int, drop);
        Answer answer;
        answer.drop = Answer::Drop(drop);
        const Outcome out = query(answer, 2000);
        QCOMPARE(out.event, int(Cmd_getUpgradePackageInfo));
        QCOMPARE(out.code, int(QNetworkReply::RemoteHostClosedError));
        QCOMPARE(out.requests, 3);
        QCOMPARE(out.pending, 0);
    }

#ifdef Q_OS_LINUX
    // 1 GiB, streamed by the server as the socket drains, with and without
    // its length declared: each try is cut off and fails as a length error.
    void oversizedAnswer_data()
    {
        QTest::addColumn<bool>("declared");
        QTest::newRow("Content-Length of 1 GiB") << true;
        QTest::newRow("1 GiB until the connection closes") << false;
    }
    void oversizedAnswer()
    {
        QFETCH(bool, declared);
        Answer answer{200, QByteArray("{\"ack\":\"download_data\","), declared};
        answer.generated = qint64(1) << 30;
        const qint64 peakBefore = peakResidentKb();
        QVERIFY(peakBefore > 0);
        // The limit on silence is long enough for the whole answer to arrive.
        const Outcome out = query(answer, 30000);
        const qint64 grownKb = peakResidentKb() - peakBefore;
        QVERIFY2(grownKb < 100 * 1024, qPrintable(QStringLiteral("peak resident size grew by %1 KiB").arg(grownKb)));
        QCOMPARE(out.event, int(Cmd_getUpgradePackageInfo));
        QCOMPARE(out.code, int(UpdateProtocol::Code_LengthErr));
        QCOMPARE(out.requests, 3);
        QCOMPARE(out.pending, 0);
        QCOMPARE(SystemConfig::getInstance()->getUpdatePackageMd5Info(0), QStringLiteral("stored"));
    }
#endif
};

VIREON_TEST_MAIN(TstUpdateLimits)
#include "tst_updatelimits.moc"
