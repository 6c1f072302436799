#pragma once

#include <QLockFile>
#include <QSharedMemory>
#include <QString>

// Single-instance guard: a 100-byte shared-memory segment under a fixed key,
// and a lock file in the program's own folder. On Linux a segment outlives a
// process that crashed or was killed; such a stale segment is cleared first,
// so that only a live instance blocks. The segment's key is tied to a file in
// the temporary folder, which a cleaner may remove while the program runs:
// the lock file, which no cleaner touches, still holds then. A lock left by a
// killed instance is taken over (its process is gone).
class InstanceGuard
{
public:
    static constexpr int kSegmentSize = 100;

    explicit InstanceGuard(const QString &key, const QString &lockFilePath);
    ~InstanceGuard();

    // True when this process now holds both the segment and the lock file.
    bool acquire();
    // Detaches and unlocks; the segment disappears with its last holder.
    void release();
    bool isHeld() const { return m_held; }

private:
    QSharedMemory m_memory;
    QString m_lockPath;
    QLockFile m_lock;
    bool m_held = false;
};
