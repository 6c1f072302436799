#include "../../tools/fake_update_server/fakeupdateserver.h"
#include "core/messageids.h"
#include "core/systemconfig.h"
#include "support/memoryprobe.h"
#include "support/testenv.h"
#include "update/httpfun.h"
#include "update/updateprotocol.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QThread>

using Answer = FakeUpdateServer::Answer;

// The version query at its limits: a server that drops the connection
// unanswered gets the three tries and not one more (the network stack must
// not send a request again on its own), and an answer of any size costs the
// client no more memory than a version answer can need: 1 GiB, streamed by
// the server as the socket drains, with and without its length declared, is
// cut off at each try and fails as a length error.
class TstUpdateLimits : public QObject
{
    Q_OBJECT

private slots:
    void threeTriesUnanswered_data()
    {
        QTest::addColumn<int>("drop");
        QTest::addColumn<bool>("declared");
        QTest::addColumn<int>("code");
        const int closed = QNetworkReply::RemoteHostClosedError;
        QTest::newRow("closed") << int(Answer::Close) << true << closed;
        QTest::newRow("reset") << int(Answer::Reset) << true << closed;
        QTest::newRow("Content-Length of 1 GiB") << int(Answer::Keep) << true << int(UpdateProtocol::Code_LengthErr);
        QTest::newRow("1 GiB until the connection closes")
            << int(Answer::Keep) << false << int(UpdateProtocol::Code_LengthErr);
    }
    void threeTriesUnanswered()
    {
        QFETCH(int, drop);
        QFETCH(bool, declared);
        QFETCH(int, code);
        SystemConfig::getInstance()->setUpdatePackageInfo(
            0, {"v1.0.34", "stored", "KV18_TM_PC", "release", "/p/update.exe", "5", "2026-01-02", "7"});
        Answer answer{200, QByteArray("{\"ack\":\"download_data\","), declared};
        answer.drop = Answer::Drop(drop);
        answer.generated = drop == Answer::Keep ? qint64(1) << 30 : 0;
        FakeUpdateServer server([answer](const FakeUpdateServer::Request &, int) { return answer; });
        const bool listening = server.listen();
        QVERIFY(listening);
        HttpFun client;
        client.setServerForTesting(QStringLiteral("127.0.0.1"), server.port());
        // The limit on silence is long enough for the whole answer to arrive.
        const int timeoutMs = drop == Answer::Keep ? 30000 : 2000;
        client.setTimeoutForTesting(timeoutMs);
        QSignalSpy events(&client, &HttpFun::signal_sendHttpEvent);
        const qint64 peakBefore = MemoryProbe::statusKb("VmHWM:");
        QVERIFY(peakBefore > 0);
        client.slot_sendHttpRequest(Cmd_getUpgradePackageInfo, QVariant(0));
        QTRY_COMPARE_WITH_TIMEOUT(events.count(), 1, 4 * timeoutMs);
        const qint64 grownKb = MemoryProbe::statusKb("VmHWM:") - peakBefore;
        QVERIFY2(grownKb < 100 * 1024, qPrintable(QStringLiteral("peak resident size grew by %1 KiB").arg(grownKb)));
        QCOMPARE(events.first().at(0).toInt(), int(Cmd_getUpgradePackageInfo));
        QCOMPARE(events.first().at(1).toList().value(0).toInt(), code);
        QCOMPARE(server.requestCount(), 3);
        QCOMPARE(client.pendingRequestCount(), 0);
        QCOMPARE(SystemConfig::getInstance()->getUpdatePackageMd5Info(0), QStringLiteral("stored"));
    }

    // The client in a thread of its own, as the program runs it, and that
    // thread busy for a second (a loaded machine, a slow disk) just as an
    // answer of endless chunks starts: the network stack, in its own thread
    // too, must stop reading at its bound meanwhile and not queue the stream
    // up for the client. A version answer is bounded by its cap, a download by
    // its read buffer (and cut off beyond the package's stored size).
    void endlessChunksWhileTheClientIsBusy_data()
    {
        QTest::addColumn<int>("request");
        QTest::newRow("version query") << int(Cmd_getUpgradePackageInfo);
        QTest::newRow("download") << int(Cmd_DownloadOtaFile);
    }
    void endlessChunksWhileTheClientIsBusy()
    {
        QFETCH(int, request);
        SystemConfig::getInstance()->setUpdatePackageInfo(
            0, {"v1.0.34", "stored", "KV18_TM_PC", "release", "/p/update.exe", "65536", "2026-01-02", "7"});
        QThread clientThread;
        auto *client = new HttpFun;
        connect(&clientThread, &QThread::finished, client, &QObject::deleteLater);
        const auto stop = qScopeGuard([&clientThread] {
            clientThread.quit();
            clientThread.wait();
        });
        Answer answer{200, QByteArray("{\"ack\":\"download_data\","), false};
        answer.chunked = true;
        answer.generated = qint64(1) << 30; // endless to the client; the server ends on its own after 1 GiB
        FakeUpdateServer server([client, answer](const FakeUpdateServer::Request &, int index) {
            if (index == 0)
                QMetaObject::invokeMethod(
                    client, [] { QThread::msleep(1000); }, Qt::QueuedConnection);
            return answer;
        });
        const bool listening = server.listen();
        QVERIFY(listening);
        client->setServerForTesting(QStringLiteral("127.0.0.1"), server.port());
        client->setTimeoutForTesting(30000);
        client->moveToThread(&clientThread);
        QList<int> codes;
        connect(client, &HttpFun::signal_sendHttpEvent, this, [&codes](int id, const QVariant &data) {
            if (id != Cmd_DownloadOtaProgress)
                codes << data.toList().value(0).toInt();
        });
        clientThread.start();
        const qint64 peakBefore = MemoryProbe::statusKb("VmHWM:");
        QVERIFY(peakBefore > 0);
        QMetaObject::invokeMethod(client, [client, request] { client->slot_sendHttpRequest(request, 0); });
        QTRY_COMPARE_WITH_TIMEOUT(codes.size(), 1, 60000);
        const qint64 grownKb = MemoryProbe::statusKb("VmHWM:") - peakBefore;
        QVERIFY2(grownKb < 100 * 1024, qPrintable(QStringLiteral("peak resident size grew by %1 KiB").arg(grownKb)));
        QCOMPARE(codes.first(), int(UpdateProtocol::Code_LengthErr));
    }
};

VIREON_TEST_MAIN(TstUpdateLimits)
#include "tst_updatelimits.moc"
