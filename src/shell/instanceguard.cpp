#include "shell/instanceguard.h"

#include <QDebug>

InstanceGuard::InstanceGuard(const QString &key, const QString &lockFilePath)
    : m_memory(key)
    , m_lockPath(lockFilePath)
    , m_lock(lockFilePath)
{
    // Stale only when its process is gone: a long run must not lose the lock
    // to its age.
    m_lock.setStaleLockTime(0);
}

InstanceGuard::~InstanceGuard()
{
    release();
}

bool InstanceGuard::acquire()
{
    if (m_held)
        return true;
    if (!m_lock.tryLock(0)) {
        qDebug() << "InstanceGuard: cannot lock" << m_lockPath << "error" << m_lock.error();
        return false;
    }
    // Attaching and detaching removes a segment nobody else holds any more
    // (left by a crashed run); a live holder keeps it in place.
    if (m_memory.attach())
        m_memory.detach();
    m_held = m_memory.create(kSegmentSize);
    if (!m_held) {
        qDebug() << "InstanceGuard: cannot create" << m_memory.key() << m_memory.errorString();
        m_lock.unlock();
    }
    return m_held;
}

void InstanceGuard::release()
{
    if (m_memory.isAttached())
        m_memory.detach();
    if (m_lock.isLocked())
        m_lock.unlock();
    m_held = false;
}
