#include "shell/instanceguard.h"

#include <QDebug>

InstanceGuard::InstanceGuard(const QString &key)
    : m_memory(key)
{
}

InstanceGuard::~InstanceGuard()
{
    release();
}

bool InstanceGuard::acquire()
{
    if (m_held)
        return true;
    // Attaching and detaching removes a segment nobody else holds any more
    // (left by a crashed run); a live holder keeps it in place.
    if (m_memory.attach())
        m_memory.detach();
    m_held = m_memory.create(kSegmentSize);
    if (!m_held)
        qDebug() << "InstanceGuard: cannot create" << m_memory.key() << m_memory.errorString();
    return m_held;
}

void InstanceGuard::release()
{
    if (m_memory.isAttached())
        m_memory.detach();
    m_held = false;
}
