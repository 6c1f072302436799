#include "support/memoryprobe.h"

#include <QFile>

#include <algorithm>

MemoryProbe::MemoryProbe()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this]() { m_peakKb = std::max(m_peakKb, statusKb("VmRSS:")); });
    m_timer.start(10);
}

qint64 MemoryProbe::statusKb(const char *key, qint64 pid)
{
    QFile f(pid ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}
