// The update client's memory bounds and what they cost.
//
// 1. Download throughput of the update client (its read buffer bounded, the
//    package written to a file as it comes) against a plain reader with an
//    unbounded read buffer writing the same bytes to a file the same way, in
//    the same run, from one loopback fake server; the resident memory of this
//    process is sampled during the client's runs.
// 2. The whole program's peak memory (VmHWM) when the update server answers
//    its version query at start-up with endless chunks of 1 MiB: the program
//    is started against the fake_update_server tool for a few seconds.
//
//   bench_update [MiB] [rounds] [seconds]
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>

#include "../tools/fake_update_server/fakeupdateserver.h"
#include "core/messageids.h"
#include "core/systemconfig.h"
#include "support/benchstats.h"
#include "support/memoryprobe.h"
#include "support/testenv.h"
#include "update/httpfun.h"

namespace {

// One download through the update client in its thread; seconds, or -1.
double runClient(HttpFun *client, qint64 *peakKb)
{
    std::atomic<int> code{-1};
    QObject context;
    QObject::connect(client, &HttpFun::signal_sendHttpEvent, &context, [&code](int id, const QVariant &data) {
        if (id == Cmd_DownloadOtaFile)
            code = data.toList().value(0).toInt();
    });
    MemoryProbe sampler;
    QElapsedTimer t;
    t.start();
    QMetaObject::invokeMethod(client, [client]() { client->slot_sendHttpRequest(Cmd_DownloadOtaFile, QVariant(0)); });
    const bool ended = TestEnv::waitUntil([&]() { return code != -1; }, 300000);
    const double seconds = t.nsecsElapsed() / 1e9;
    *peakKb = std::max(*peakKb, sampler.peakKb());
    return ended && code == 0 ? seconds : -1;
}

// The same GET through a plain manager in a thread of its own, nothing
// bounded, each chunk written and flushed and the file's digest taken at the
// end, as the client does; seconds, or -1.
double runPlain(QObject *worker, const QUrl &url, const QString &path, qint64 bytes, qint64 *peakKb)
{
    MemoryProbe sampler;
    std::atomic<qint64> written{0};
    std::atomic<bool> finished{false};
    QElapsedTimer t;
    t.start();
    QMetaObject::invokeMethod(worker, [&, worker]() {
        auto *manager = new QNetworkAccessManager(worker);
        manager->setProxy(QNetworkProxy::NoProxy);
        auto *file = new QFile(path, manager);
        file->open(QIODevice::WriteOnly | QIODevice::Truncate);
        QNetworkReply *reply = manager->get(QNetworkRequest(url));
        QObject::connect(reply, &QNetworkReply::readyRead, manager, [&, reply, file]() {
            const QByteArray data = reply->readAll();
            file->write(data);
            file->flush();
            written += data.size();
        });
        QObject::connect(reply, &QNetworkReply::finished, manager, [&, manager, file, path]() {
            file->close();
            HttpFun::getFileHash(path);
            manager->deleteLater();
            finished = true;
        });
    });
    const bool ended = TestEnv::waitUntil([&]() { return finished.load(); }, 300000);
    *peakKb = std::max(*peakKb, sampler.peakKb());
    return ended && written == bytes ? t.nsecsElapsed() / 1e9 : -1;
}

QString sha1OfFiller(qint64 bytes)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QByteArray block(1 << 20, 'x'); // the fake server's filler byte
    for (qint64 done = 0; done < bytes; done += block.size())
        hash.addData(block.constData(), int(std::min<qint64>(block.size(), bytes - done)));
    return QString::fromLatin1(hash.result().toHex());
}

// The program started against a server whose version answer never ends:
// its highest VmHWM within `seconds`, in KiB, and the queries it sent; -1 if
// it could not be started.
qint64 programPeakKb(int seconds, int *queries)
{
    QProcess server;
    const quint16 port =
        TestEnv::startTool(server, QStringLiteral("fake_update_server"), {"--port", "0", "--endless-version-answer"});
    if (!port)
        return -1;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VIREON_UPDATE_PORT"), QString::number(port));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(VIREON_BINARY_DIR "/src/vireon"), QStringList());
    if (!program.waitForStarted())
        return -1;
    // Taken once: after the end processId() is 0, which would read this process.
    const qint64 pid = program.processId();
    qint64 peakKb = 0;
    QElapsedTimer t;
    t.start();
    TestEnv::waitUntil(
        [&]() {
            peakKb = std::max(peakKb, MemoryProbe::statusKb("VmHWM:", pid));
            return program.state() == QProcess::NotRunning || t.elapsed() > seconds * 1000;
        },
        seconds * 1000 + 5000);
    TestEnv::stopProcess(program);
    server.waitForReadyRead(100);
    *queries = server.readAllStandardOutput().count("POST /package/version");
    TestEnv::stopProcess(server);
    return peakKb;
}
} // namespace

int main(int argc, char *argv[])
{
    TestEnv env;
    QCoreApplication app(argc, argv);
    const qint64 mib = argc > 1 ? QByteArray(argv[1]).toLongLong() : 256;
    const int rounds = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    const int seconds = argc > 3 ? QByteArray(argv[3]).toInt() : 15;
    const qint64 bytes = mib << 20;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    FakeUpdateServer server([bytes](const FakeUpdateServer::Request &, int) {
        FakeUpdateServer::Answer answer;
        answer.generated = bytes;
        return answer;
    });
    if (!server.listen()) {
        std::printf("FAILED: the fake update server cannot listen\n");
        return 1;
    }
    SystemConfig::getInstance()->setUpdatePackageInfo(0, {"v1.0.34", sha1OfFiller(bytes), "KV18_TM_PC", "release",
                                                          "/p/update.exe", QString::number(bytes), "2026-01-02", "7"});
    QThread clientThread;
    auto *client = new HttpFun;
    client->setServerForTesting(QStringLiteral("127.0.0.1"), server.port());
    client->moveToThread(&clientThread);
    QObject::connect(&clientThread, &QThread::finished, client, &QObject::deleteLater);
    clientThread.start();
    QThread plainThread;
    QObject worker;
    worker.moveToThread(&plainThread);
    plainThread.start();
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/package/download").arg(server.port()));
    const QString plainPath = env.path(QStringLiteral("plain.bin"));

    const qint64 rssStartKb = MemoryProbe::statusKb("VmRSS:");
    qint64 peakKb = 0, plainPeakKb = 0;
    QList<double> bounded, plain;
    for (int i = 0; i < rounds; ++i) {
        QFile::remove(HttpFun::downloadPath());
        bounded.append(runClient(client, &peakKb));
        QFile::remove(HttpFun::downloadPath());
        plain.append(runPlain(&worker, url, plainPath, bytes, &plainPeakKb));
        QFile::remove(plainPath);
        std::printf("round %d: update client %.3f s, plain reader %.3f s\n", i + 1, bounded.last(), plain.last());
    }
    clientThread.quit();
    clientThread.wait();
    plainThread.quit();
    plainThread.wait();
    if (bounded.contains(-1) || plain.contains(-1)) {
        std::printf("FAILED: a download did not complete\n");
        return 1;
    }
    using BenchStats::best;
    using BenchStats::median;
    const double mb = bytes / 1048576.0;
    std::printf("download %lld MiB, best of %d\n", static_cast<long long>(mib), rounds);
    std::printf("update client (bounded read buffer)  %8.1f MiB/s\n", mb / best(bounded));
    std::printf("plain reader (unbounded)             %8.1f MiB/s\n", mb / best(plain));
    std::printf("ratio client/plain = %.2f best, %.2f median (goal >= 0.80)\n", best(plain) / best(bounded),
                median(plain) / median(bounded));
    std::printf("resident memory: %lld KiB before, peak %lld KiB during the client's runs (+%lld KiB), "
                "%lld KiB during the plain reader's\n",
                static_cast<long long>(rssStartKb), static_cast<long long>(peakKb),
                static_cast<long long>(peakKb - rssStartKb), static_cast<long long>(plainPeakKb));

    int queries = 0;
    const qint64 programKb = programPeakKb(seconds, &queries);
    if (programKb < 0) {
        std::printf("FAILED: the program or the fake update server did not start\n");
        return 1;
    }
    std::printf("program against an endless chunked version answer for %d s: peak VmHWM %lld KiB, %d queries sent "
                "(goal < 300 MB)\n",
                seconds, static_cast<long long>(programKb), queries);
    return 0;
}
