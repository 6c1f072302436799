#pragma once

#include <QTimer>

// Memory figures of a process from Linux's /proc/<pid>/status. An object
// samples this process's resident size (VmRSS) every 10 ms while the event
// loop runs, from its construction on, and keeps the highest.
class MemoryProbe
{
public:
    MemoryProbe();
    MemoryProbe(const MemoryProbe &) = delete;
    MemoryProbe &operator=(const MemoryProbe &) = delete;

    qint64 peakKb() const { return m_peakKb; }

    // A field of the status file in KiB, e.g. "VmRSS:" or "VmHWM:" (the
    // highest resident size the process has had); pid 0 is this process.
    // -1 when the file or the field is not there.
    static qint64 statusKb(const char *key, qint64 pid = 0);

private:
    QTimer m_timer;
    qint64 m_peakKb = 0;
};
