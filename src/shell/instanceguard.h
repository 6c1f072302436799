#pragma once

#include <QSharedMemory>
#include <QString>

// Single-instance guard: a 100-byte shared-memory segment under a fixed key.
// On Linux a segment outlives a process that crashed or was killed; such a
// stale segment is cleared first, so that only a live instance blocks.
class InstanceGuard
{
public:
    static constexpr int kSegmentSize = 100;

    explicit InstanceGuard(const QString &key);
    ~InstanceGuard();

    // True when this process now holds the segment.
    bool acquire();
    // Detaches; the segment disappears with its last holder.
    void release();
    bool isHeld() const { return m_held; }

private:
    QSharedMemory m_memory;
    bool m_held = false;
};
