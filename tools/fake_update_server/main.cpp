// fake_update_server: plays the update server on a loopback address for the
// demo and the tests. It offers one package (a given file, or a small demo
// updater script) as a newer version, and serves it in paced chunks so the
// download's progress can be watched. Prints "READY <address>:<port>".
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

#ifdef Q_OS_LINUX
#include <signal.h>
#include <sys/prctl.h>
#endif

#include "fakeupdateserver.h"

namespace {

// A shell script that says what it is; the padding after "exit" makes the
// download long enough to watch and is never read by the shell.
QByteArray demoPackage()
{
    QByteArray script = "#!/bin/sh\n"
                        "echo \"Demo updater started from $0 (the real updater would install the new version).\"\n"
                        "exit 0\n";
    const QByteArray padding(79, '#');
    while (script.size() < 2 * 1024 * 1024)
        script += padding + '\n';
    return script;
}

QByteArray versionAnswer(const QByteArray &requestBody, const QString &version, const QByteArray &package)
{
    const QJsonObject query = QJsonDocument::fromJson(requestBody).object();
    QJsonObject info;
    info[QStringLiteral("version")] = version;
    info[QStringLiteral("md5")] =
        QString::fromLatin1(QCryptographicHash::hash(package, QCryptographicHash::Sha1).toHex());
    info[QStringLiteral("project")] = QStringLiteral("KV18_TM_PC");
    info[QStringLiteral("property")] = QStringLiteral("release");
    info[QStringLiteral("file_path")] = QStringLiteral("/package/update.exe");
    info[QStringLiteral("file_size")] = QString::number(package.size());
    info[QStringLiteral("upload_time")] = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    info[QStringLiteral("create_user_id")] = QStringLiteral("demo");
    QJsonObject root;
    root[QStringLiteral("ack")] = QStringLiteral("download_data");
    root[QStringLiteral("data_type")] = QStringLiteral("upgrade_package_info");
    root[QStringLiteral("device_serial")] = query.value(QStringLiteral("device_serial")).toString();
    root[QStringLiteral("upgrade_package_info")] = info;
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_LINUX
    // A parent that dies must not leave its fake holding the port.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Loopback stand-in for the update server"));
    parser.addHelpOption();
    const QCommandLineOption address("address", "Loopback address to listen on.", "ip", "127.0.0.1");
    const QCommandLineOption port("port", "TCP port (0: any free port).", "port", "8080");
    const QCommandLineOption version("version", "Version offered.", "version", "v1.0.34");
    const QCommandLineOption package("package", "Package file served (default: a demo updater script).", "file");
    const QCommandLineOption chunkBytes("chunk-bytes", "Bytes per chunk of the download.", "bytes", "65536");
    const QCommandLineOption chunkMs("chunk-ms", "Pause between chunks in ms.", "ms", "60");
    const QCommandLineOption endless(
        "endless-version-answer",
        "Answer the version query with endless chunks of 1 MiB (Transfer-Encoding: chunked).");
    parser.addOptions({address, port, version, package, chunkBytes, chunkMs, endless});
    parser.process(app);

    const QHostAddress host(parser.value(address));
    if (host.isNull() || !host.isLoopback()) {
        std::fprintf(stderr, "refused: %s is not a loopback address\n", qPrintable(parser.value(address)));
        return 2;
    }
    QByteArray packageBytes = demoPackage();
    if (parser.isSet(package)) {
        QFile file(parser.value(package));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return 2;
        }
        packageBytes = file.readAll();
    }
    const QString offered = parser.value(version);
    const int chunk = parser.value(chunkBytes).toInt();
    const int pause = parser.value(chunkMs).toInt();

    FakeUpdateServer server([&](const FakeUpdateServer::Request &request, int) {
        FakeUpdateServer::Answer answer;
        std::fprintf(stdout, "%s %s\n", request.method.constData(), request.target.constData());
        std::fflush(stdout);
        if (request.method == "POST" && request.target == "/package/version" && parser.isSet(endless)) {
            answer.chunked = true;
            answer.generated = -1;
        } else if (request.method == "POST" && request.target == "/package/version") {
            answer.body = versionAnswer(request.body, offered, packageBytes);
        } else if (request.method == "GET" && request.target.startsWith("/package/download?")) {
            answer.body = packageBytes;
            answer.chunkBytes = chunk;
            answer.chunkMs = pause;
        } else {
            answer.status = 404;
            answer.body = "not found";
        }
        return answer;
    });
    if (!server.listen(host, static_cast<quint16>(parser.value(port).toUInt()))) {
        std::fprintf(stderr, "cannot listen on %s:%s: %s\n", qPrintable(parser.value(address)),
                     qPrintable(parser.value(port)), qPrintable(server.errorString()));
        return 1;
    }
    std::fprintf(stdout, "READY %s:%u\n", qPrintable(host.toString()), unsigned(server.port()));
    std::fflush(stdout);
    return app.exec();
}
