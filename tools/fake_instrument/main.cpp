// fake_instrument: plays the instrument on a loopback address for tests and
// benchmarks. Prints "READY <address>:<port>" once it listens (--port 0: on
// a free port, named in that line).
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_LINUX
#include <signal.h>
#include <sys/prctl.h>
#endif

#include "fakeinstrument.h"

int main(int argc, char *argv[])
{
#ifdef Q_OS_LINUX
    // A test that dies must not leave its fake holding the address and port.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Loopback stand-in for the instrument"));
    parser.addHelpOption();
    const QCommandLineOption address("address", "Loopback address to use.", "ip", "127.0.0.2");
    const QCommandLineOption port("port", "UDP command port (0: a free one).", "port", "45454");
    const QCommandLineOption name("name", "Instrument name sent in the information reply.", "name", "LORIX-FAKE");
    const QCommandLineOption upload("upload", "File uploaded on a fetch command.", "file");
    const QCommandLineOption uploadName("upload-name", "Name sent in the upload header.", "name");
    const QCommandLineOption uploadPort("upload-port", "PC's TCP port for the upload.", "port", "4348");
    const QCommandLineOption misbehave(
        "misbehave", "none, bad-frames, no-answer, bad-header, unsafe-name, truncated or stalled.", "mode", "none");
    parser.addOptions({address, port, name, upload, uploadName, uploadPort, misbehave});
    parser.process(app);

    FakeInstrument::Options options;
    options.address = QHostAddress(parser.value(address));
    options.port = static_cast<quint16>(parser.value(port).toUInt());
    options.name = parser.value(name).toUtf8();
    options.uploadFile = parser.value(upload);
    options.uploadName = parser.value(uploadName);
    options.uploadNameSet = parser.isSet(uploadName);
    options.uploadPort = static_cast<quint16>(parser.value(uploadPort).toUInt());
    if (!FakeInstrument::parseMisbehaviour(parser.value(misbehave), &options.misbehaviour)) {
        std::fprintf(stderr, "unknown misbehaviour %s\n", qPrintable(parser.value(misbehave)));
        return 2;
    }
    FakeInstrument fake(options);
    if (!fake.start())
        return 1;
    return app.exec();
}
