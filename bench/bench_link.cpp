// Upload throughput of the instrument link's file receiver against a plain
// QTcpSocket reader writing the same bytes to a file, in the same run, with a
// 256 MiB upload from the fake instrument over loopback. The receiver commits
// durably (sync before the rename), so the baseline that the goal is set
// against syncs too before its clock stops; the unsynced reader and a
// `dd conv=fsync` of the same size are printed beside it, so the disk's share
// of the figure is visible. Also samples the process's resident memory during
// the receiver's runs: it must stay flat.
//
//   bench_link [MiB] [rounds]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUdpSocket>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

#include "core/messageids.h"
#include "core/systemconfig.h"
#include "link/netframe.h"
#include "link/netlportproc.h"
#include "link/transferprogress.h"
#include "support/benchstats.h"
#include "support/memoryprobe.h"
#include "support/testenv.h"

namespace {

struct Fake {
    QProcess process;
    quint16 port = 0; // the command port it bound; 0: it did not start
    Fake(const QString &file, quint16 commandPort, quint16 uploadPort)
    {
        port = TestEnv::startFakeInstrument(process, {"--address", "127.0.0.2", "--port", QString::number(commandPort),
                                                      "--upload", file, "--upload-name", "bench.dat", "--upload-port",
                                                      QString::number(uploadPort)});
    }
    ~Fake() { TestEnv::stopProcess(process); }
};

void makeSource(const QString &path, qint64 bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = static_cast<char>(i * 131 + 7);
    for (qint64 done = 0; done < bytes; done += chunk.size())
        f.write(chunk.constData(), std::min<qint64>(chunk.size(), bytes - done));
}

// One fetch through NetlPortProc; returns seconds, or -1.
double runReceiver(NetlPortProc *proc, qint64 *peakKb)
{
    bool done = false;
    QObject context;
    QObject::connect(
        proc, &NetlPortProc::sendnetEvent, &context,
        [&](int id, QVariant data) {
            const TransferProgress p = TransferProgress::decode(data.toByteArray());
            if (id == NetEvt_FileProgress && p.received == p.total)
                done = true;
        },
        Qt::QueuedConnection);
    MemoryProbe sampler;
    QElapsedTimer t;
    t.start();
    QMetaObject::invokeMethod(proc, [proc]() { proc->netCommandSlot(Cmd_FetchDataFile, QVariant(-1)); });
    const bool ok = TestEnv::waitUntil([&]() { return done; }, 120000);
    const double seconds = t.nsecsElapsed() / 1e9;
    *peakKb = std::max(*peakKb, sampler.peakKb());
    return ok ? seconds : -1;
}

// The same upload read by a plain QTcpSocket reader into a file; with
// `durable` the file is flushed and fsync'ed before the clock stops.
double runPlain(const Fake &fake, quint16 uploadPort, qint64 expected, const QString &outPath, bool durable)
{
    QTcpServer server;
    server.listen(QHostAddress(QStringLiteral("127.0.0.1")), uploadPort);
    QFile out(outPath);
    qint64 received = 0;
    QTcpSocket *socket = nullptr;
    QObject::connect(&server, &QTcpServer::newConnection, [&]() {
        socket = server.nextPendingConnection();
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QObject::connect(socket, &QTcpSocket::readyRead, [&]() {
            const QByteArray bytes = socket->readAll();
            out.write(bytes);
            received += bytes.size();
        });
    });
    QUdpSocket udp;
    udp.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0);
    QElapsedTimer t;
    t.start();
    udp.writeDatagram(NetFrame::build(Wire_FetchFile, "-1"), QHostAddress(QStringLiteral("127.0.0.2")), fake.port);
    const bool ok = TestEnv::waitUntil([&]() { return received >= expected; }, 120000);
    if (durable && (!out.flush() || ::fsync(out.handle()) != 0))
        return -1;
    out.close();
    const double seconds = t.nsecsElapsed() / 1e9;
    return ok ? seconds : -1;
}

// Seconds `dd conv=fsync` takes to copy the source: what the disk alone costs.
double runDd(const QString &source, const QString &target)
{
    QProcess dd;
    QElapsedTimer t;
    t.start();
    dd.start(QStringLiteral("dd"), {"if=" + source, "of=" + target, "bs=1M", "conv=fsync"});
    if (!dd.waitForFinished(120000) || dd.exitCode() != 0)
        return -1;
    return t.nsecsElapsed() / 1e9;
}
} // namespace

int main(int argc, char *argv[])
{
    TestEnv env;
    QCoreApplication app(argc, argv);
    const qint64 mib = argc > 1 ? QByteArray(argv[1]).toLongLong() : 256;
    const int rounds = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    const qint64 bytes = mib << 20;
    const QString source = env.path(QStringLiteral("bench-source.bin"));
    makeSource(source, bytes);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    // Ports held from the start, so a run beside the demo or the tests meets
    // neither; the program's command port is handed over at the connect.
    HeldPort programSide(HeldPort::Udp, QStringLiteral("127.0.0.1"));
    HeldPort upload(HeldPort::TcpBeside, QStringLiteral("127.0.0.1"));
    HeldPort baselineUpload(HeldPort::TcpBeside, QStringLiteral("127.0.0.1"));
    TestEnv::seedIni({{"NetConfig/HostPort", QString::number(programSide.port())}});
    NetlPortProc::setUploadPortForTesting(upload.port());
    NetlPortProc *proc = NetlPortProc::getInstance();
    QThread thread;
    proc->moveToThread(&thread);
    thread.start();
    Fake fake(source, programSide.port(), upload.port());
    Fake baselineFake(source, 0, baselineUpload.port());
    if (!fake.port || !baselineFake.port) {
        std::printf("FAILED: a fake instrument did not start\n");
        return 1;
    }
    programSide.release();
    QMetaObject::invokeMethod(proc, [proc]() { proc->netCommandSlot(Cmd_ConnectInstrument, QVariant(-1)); });

    const qint64 rssStartKb = MemoryProbe::statusKb("VmRSS:");
    const qint64 transferBytes = bytes + 16 + 4 + 2 * 9;
    qint64 peakKb = 0;
    QList<double> receiver, synced, plain, dd;
    bool sizeOk = true;
    const QString plainPath = env.path(QStringLiteral("plain.bin"));
    const QString ddPath = env.path(QStringLiteral("dd.bin"));
    for (int i = 0; i < rounds; ++i) {
        // Each writes a fresh file: freeing the previous round's 256 MiB is not
        // part of any measurement, nor is writing back the dirty pages an
        // earlier run left behind.
        auto fresh = [&]() {
            QFile::remove(QStringLiteral("./app/bench.dat"));
            QFile::remove(plainPath);
            QFile::remove(ddPath);
            ::sync();
        };
        fresh();
        receiver.append(runReceiver(proc, &peakKb));
        sizeOk = sizeOk && QFileInfo(QStringLiteral("./app/bench.dat")).size() == bytes;
        fresh();
        synced.append(runPlain(baselineFake, baselineUpload.port(), transferBytes, plainPath, true));
        fresh();
        plain.append(runPlain(baselineFake, baselineUpload.port(), transferBytes, plainPath, false));
        fresh();
        dd.append(runDd(source, ddPath));
        std::printf("round %d: receiver %.3f s, synced reader %.3f s, unsynced reader %.3f s, dd conv=fsync %.3f s\n",
                    i + 1, receiver.last(), synced.last(), plain.last(), dd.last());
    }
    QMetaObject::invokeMethod(
        proc, [proc]() { proc->netCommandSlot(Cmd_CloseLink, QVariant(-1)); }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();

    if (receiver.contains(-1) || synced.contains(-1) || plain.contains(-1) || dd.contains(-1) || !sizeOk) {
        std::printf("FAILED: a transfer did not complete (file size ok: %d)\n", sizeOk);
        return 1;
    }
    using BenchStats::best;
    using BenchStats::median;
    const double mb = bytes / 1048576.0;
    std::printf("upload %lld MiB, best of %d\n", static_cast<long long>(mib), rounds);
    std::printf("receiver (durable)     %8.1f MiB/s\n", mb / best(receiver));
    std::printf("synced plain reader    %8.1f MiB/s\n", mb / best(synced));
    std::printf("unsynced plain reader  %8.1f MiB/s\n", mb / best(plain));
    std::printf("dd conv=fsync          %8.1f MiB/s (%.3f s)\n", mb / best(dd), best(dd));
    std::printf("ratio receiver/synced reader = %.2f best, %.2f median (goal >= 0.80)\n", best(synced) / best(receiver),
                median(synced) / median(receiver));
    std::printf("ratio receiver/unsynced reader = %.2f best, %.2f median (information: includes the disk's sync)\n",
                best(plain) / best(receiver), median(plain) / median(receiver));
    std::printf("resident memory: %lld KiB before, peak %lld KiB during the receiver's runs (+%lld KiB)\n",
                static_cast<long long>(rssStartKb), static_cast<long long>(peakKb),
                static_cast<long long>(peakKb - rssStartKb));
    return 0;
}
