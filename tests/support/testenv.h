#pragma once

#include <QApplication>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QtTest>

#include <functional>
#include <memory>

// A loopback port this process holds from the moment it picks it until it
// hands it over, so nothing else on the machine (the demo's fake instrument,
// the suite of another build folder) can take it meanwhile.
//  - Udp: bound without address sharing; release() just before the program
//    or a fake binds the port itself.
//  - Tcp: bound without address sharing, never listening: connections to it
//    are refused, and nothing else can listen there.
//  - TcpBeside: bound (not listening) with address reuse: the program's TCP
//    server listens on the same port beside it, while no other socket is
//    given the port as a free one; it is held until the object dies.
class HeldPort
{
public:
    enum Kind { Udp, Tcp, TcpBeside };
    // port 0: a free one.
    HeldPort(Kind kind, const QString &address, quint16 port = 0);
    ~HeldPort() { release(); }
    HeldPort(const HeldPort &) = delete;
    HeldPort &operator=(const HeldPort &) = delete;

    bool isHeld() const { return m_fd >= 0; }
    quint16 port() const { return m_port; }
    void release();

private:
    int m_fd = -1;
    quint16 m_port = 0;
};

// Per-executable test environment. It must exist before any singleton does:
// the singletons bind to ./app on first use, so the working directory and the
// loopback settings file are prepared before QApplication is even built.
class TestEnv
{
public:
    TestEnv();
    ~TestEnv();

    static TestEnv *instance();

    QString workDir() const { return m_dir->path(); }
    // Absolute path of a file below the working directory.
    QString path(const QString &relative) const { return QDir(m_dir->path()).filePath(relative); }

    // The loopback settings every test starts from: the instrument is an
    // address and port this process holds and never answers on.
    QMap<QString, QVariant> loopbackSettings() const;
    // Writes extra keys into the settings file (before SystemConfig exists).
    static void seedIni(const QMap<QString, QVariant> &values);
    // Reads a key back with an independent QSettings: what is really on disk.
    static QVariant iniValue(const QString &key);
    static bool iniContains(const QString &key);

    // For a test of code that writes beside the executable: true in a copy
    // of the test executable started by runWorkDirCopy().
    static bool isWorkDirCopy();
    // Runs a copy of this executable from the working directory with the
    // same arguments, so nothing lands in the build folder; its exit code.
    int runWorkDirCopy() const;

    // Path of a built tool, e.g. toolPath("fake_instrument").
    static QString toolPath(const QString &name);

    // Starts tools/fake_instrument with `args` (its --address and --port
    // among them); returns the UDP port it bound once it says READY, else 0.
    static quint16 startFakeInstrument(QProcess &fake, const QStringList &args);
    // Starts the tool `name` with `args`; returns the port of its
    // "READY 127.0.0.1:<port>" line, 0 when it ended first.
    static quint16 startTool(QProcess &tool, const QString &name, const QStringList &args);
    static void stopProcess(QProcess &process)
    {
        process.kill();
        process.waitForFinished(5000);
    }

    // Runs the event loop (sleeping in it, not spinning) until done() holds
    // or timeoutMs has passed; done()'s last answer. For the benchmarks,
    // which must not spend their time polling.
    static bool waitUntil(const std::function<bool()> &done, int timeoutMs);

    // Whole-file helpers; writeFile creates the folder and reports success.
    static QByteArray readFile(const QString &path);
    static bool writeFile(const QString &path, const QByteArray &bytes);
    // Writes a one-byte file of each name into folder; the names it could
    // not write.
    static QStringList writeFiles(const QString &folder, const QStringList &names);
    // Those of names that are files or folders in folder.
    static QStringList existingFiles(const QString &folder, const QStringList &names);
    // Reproducible pseudo-random bytes.
    static QByteArray patternBytes(int size, quint32 seed);

private:
    void stageAppFolder();
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
    std::unique_ptr<HeldPort> m_silentInstrument;
};

// Answers or closes the next modal widget and records the texts of its labels.
// Call it before the code that runs the modal loop.
class ModalAnswerer
{
public:
    // result: the QDialog::done() code; a non-dialog modal widget is closed.
    static void answerNext(int result, QStringList *capturedTexts = nullptr, int timeoutMs = 10000);
    static QStringList labelTexts(QWidget *widget);
};

#define VIREON_TEST_RUN(TestObject)                                                                                    \
    app.setAttribute(Qt::AA_Use96Dpi, true);                                                                           \
    TestObject tc;                                                                                                     \
    QTEST_SET_MAIN_SOURCE_PATH                                                                                         \
    return QTest::qExec(&tc, argc, argv);

#define VIREON_TEST_MAIN(TestObject)                                                                                   \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        TestEnv env;                                                                                                   \
        QApplication app(argc, argv);                                                                                  \
        VIREON_TEST_RUN(TestObject)                                                                                    \
    }

// The tests run in a copy of the executable in the working directory.
#define VIREON_TEST_MAIN_IN_WORKDIR_COPY(TestObject)                                                                   \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        TestEnv env;                                                                                                   \
        QApplication app(argc, argv);                                                                                  \
        if (!TestEnv::isWorkDirCopy())                                                                                 \
            return env.runWorkDirCopy();                                                                               \
        VIREON_TEST_RUN(TestObject)                                                                                    \
    }
