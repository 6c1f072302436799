#pragma once

// Shared helpers of the link tests: the worker in its own thread as the main
// window runs it, a fake instrument process, an event recorder and a capture
// of debug lines. Header-only: each tst_*.cpp is one executable.

#include <QDir>
#include <QProcess>
#include <QThread>
#include <mutex>

#include "core/messageids.h"
#include "link/netlportproc.h"
#include "link/transferprogress.h"
#include "support/testenv.h"

#include <memory>

// Every debug line, from any thread.
class LogCapture
{
public:
    static void install()
    {
        static const bool installed = (state().previous = qInstallMessageHandler(&handler), true);
        Q_UNUSED(installed)
    }
    static bool contains(const QString &text) { return count(text) > 0; }
    static int count(const QString &text)
    {
        std::lock_guard<std::mutex> lock(state().mutex);
        return state().lines.filter(text).size();
    }
    static void clear()
    {
        std::lock_guard<std::mutex> lock(state().mutex);
        state().lines.clear();
    }

private:
    struct State {
        std::mutex mutex;
        QStringList lines;
        QtMessageHandler previous = nullptr;
    };
    static State &state()
    {
        static State s;
        return s;
    }
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        {
            std::lock_guard<std::mutex> lock(state().mutex);
            state().lines.append(message);
        }
        if (qEnvironmentVariableIsSet("VIREON_TEST_VERBOSE") || type != QtDebugMsg)
            state().previous(type, context, message);
    }
};

// Receives the worker's events in the test (GUI) thread, queued, as the main
// window does.
class EventLog : public QObject
{
public:
    struct Event {
        int id;
        QVariant data;
    };
    QList<Event> events;
    // Called in the GUI thread at the moment each event arrives.
    std::function<void(int, const QVariant &)> onEvent;

    void record(int id, QVariant data)
    {
        events.append(Event{id, data});
        if (onEvent)
            onEvent(id, data);
    }
    int count(int id) const { return values(id).size(); }
    QList<QVariant> values(int id) const
    {
        QList<QVariant> out;
        for (const Event &e : events)
            if (e.id == id)
                out.append(e.data);
        return out;
    }
    void clear() { events.clear(); }
};

// One fake instrument process; killed when it goes out of scope.
class FakeInstrumentProcess
{
public:
    explicit FakeInstrumentProcess(const QStringList &args)
    {
        m_process.start(TestEnv::toolPath(QStringLiteral("fake_instrument")), args);
    }
    ~FakeInstrumentProcess()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    // Waits for a line starting with prefix on the fake's stdout.
    bool waitFor(const QString &prefix, int timeoutMs = 10000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (m_output.contains(QLatin1Char('\n') + prefix) || m_output.startsWith(prefix))
                return true;
            if (m_process.state() == QProcess::NotRunning && !m_process.bytesAvailable())
                return false;
            m_process.waitForReadyRead(20);
            m_output += QString::fromUtf8(m_process.readAllStandardOutput());
            QCoreApplication::processEvents();
        }
        return false;
    }
    bool ready() { return waitFor(QStringLiteral("READY")); }
    QString output()
    {
        m_output += QString::fromUtf8(m_process.readAllStandardOutput());
        return m_output;
    }

private:
    QProcess m_process;
    QString m_output;
};

// The worker in its own thread, commanded through a queued signal.
class WorkerRig
{
public:
    // Ports chosen free at start, so runs of several test programs (or of
    // several checkouts) on one machine do not meet.
    WorkerRig()
    {
        TestEnv::seedIni({{"NetConfig/HostPort", QString::number(port)}});
        NetlPortProc::setUploadPortForTesting(uploadPort);
        proc = NetlPortProc::getInstance();
        thread.setObjectName(QStringLiteral("network"));
        proc->moveToThread(&thread);
        QObject::connect(
            proc, &NetlPortProc::sendnetEvent, &log, [this](int id, QVariant data) { log.record(id, data); },
            Qt::QueuedConnection);
        thread.start();
    }
    ~WorkerRig()
    {
        command(Cmd_CloseLink);
        flush();
        thread.quit();
        thread.wait();
    }
    // Queued into the worker thread, as the main window's netSendSig does.
    void command(int cmd)
    {
        NetlPortProc *target = proc;
        QMetaObject::invokeMethod(
            proc, [target, cmd]() { target->netCommandSlot(cmd, QVariant(-1)); }, Qt::QueuedConnection);
    }
    // Waits until the worker has handled everything sent so far, then delivers
    // the events it emitted meanwhile.
    void flush()
    {
        QMetaObject::invokeMethod(
            proc, []() {}, Qt::BlockingQueuedConnection);
        QCoreApplication::processEvents();
    }

    // Starts the fake and connects; true once the link reports up.
    bool connectTo(FakeInstrumentProcess &fake, bool expectUp = true)
    {
        if (!fake.ready())
            return false;
        command(Cmd_ConnectInstrument);
        flush();
        return !expectUp || QTest::qWaitFor([this] { return linkStates().contains(true); }, 5000);
    }
    QList<bool> linkStates() const
    {
        QList<bool> states;
        for (const QVariant &v : log.values(NetEvt_LinkState))
            states.append(v.toBool());
        return states;
    }

    const quint16 port = TestEnv::freeUdpPort(QStringLiteral("127.0.0.1"));
    const quint16 uploadPort = TestEnv::freeTcpPort(QStringLiteral("127.0.0.1"));
    NetlPortProc *proc = nullptr;
    QThread thread;
    EventLog log;
};

// Arguments of a fake instrument at address, on the rig's ports.
inline QStringList fakeArgs(const WorkerRig &rig, const QString &address, const QStringList &extra = {})
{
    const QString port = QString::number(rig.port);
    return QStringList{"--address", address, "--port", port, "--upload-port", QString::number(rig.uploadPort)} + extra;
}

inline QStringList appFolderEntries()
{
    return QDir(QStringLiteral("./app"))
        .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}
