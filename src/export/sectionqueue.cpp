#include "export/sectionqueue.h"

#include <QMutexLocker>

void SectionQueue::setSubTitle1(const QStringList &subTitle1)
{
    QMutexLocker lock(&m_mutex);
    m_queued.subTitle1 = subTitle1;
}

void SectionQueue::setSubTitle2(const QStringList &subTitle2)
{
    QMutexLocker lock(&m_mutex);
    m_queued.subTitle2 = subTitle2;
}

void SectionQueue::setContent(const QStringList &content)
{
    QMutexLocker lock(&m_mutex);
    m_queued.content = content;
}

void SectionQueue::appendSubTitle1(const QString &str)
{
    QMutexLocker lock(&m_mutex);
    m_queued.subTitle1.append(str);
}

void SectionQueue::appendSubTitle2(const QString &str)
{
    QMutexLocker lock(&m_mutex);
    m_queued.subTitle2.append(str);
}

void SectionQueue::appendContent(const QString &str)
{
    QMutexLocker lock(&m_mutex);
    m_queued.content.append(str);
}

void SectionQueue::appendSection(const QString &subTitle1, const QString &subTitle2, const QString &content)
{
    QMutexLocker lock(&m_mutex);
    m_queued.subTitle1.append(subTitle1);
    m_queued.subTitle2.append(subTitle2);
    m_queued.content.append(content);
}

bool SectionQueue::hasSubTitles() const
{
    QMutexLocker lock(&m_mutex);
    return !m_queued.subTitle1.isEmpty();
}

void SectionQueue::clear()
{
    QMutexLocker lock(&m_mutex);
    m_queued = Batch();
    m_stop.storeRelease(0);
}

SectionQueue::Batch SectionQueue::take()
{
    Batch batch;
    QMutexLocker lock(&m_mutex);
    if (!m_queued.content.isEmpty())
        std::swap(batch, m_queued);
    return batch;
}

void SectionQueue::stop()
{
    QMutexLocker lock(&m_mutex);
    m_stop.storeRelease(1);
    m_wake.wakeAll();
}

void SectionQueue::resetStop()
{
    m_stop.storeRelease(0);
}

void SectionQueue::runUntilStopped(const std::function<void()> &takeBatch)
{
    while (!m_stop.loadAcquire()) {
        takeBatch();
        QMutexLocker lock(&m_mutex);
        if (!m_stop.loadAcquire())
            m_wake.wait(&m_mutex, 10);
    }
    takeBatch();
}
