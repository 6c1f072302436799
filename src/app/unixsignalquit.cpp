#include "app/unixsignalquit.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};
bool g_quitRequested = false;

void onSignal(int signalNumber)
{
    const char byte = static_cast<char>(signalNumber);
    const ssize_t written = ::write(g_pipe[0], &byte, 1);
    (void)written;
}
} // namespace

bool UnixSignalQuit::install()
{
    if (g_pipe[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0) {
        qDebug() << "ERR: UnixSignalQuit: socketpair failed";
        return false;
    }
    auto *notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier]() {
        char byte = 0;
        if (::read(g_pipe[1], &byte, 1) == 1)
            qDebug() << "Signal" << int(byte) << "received, quitting";
        notifier->setEnabled(false);
        g_quitRequested = true;
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
    return true;
}

bool UnixSignalQuit::quitRequested()
{
    return g_quitRequested;
}
