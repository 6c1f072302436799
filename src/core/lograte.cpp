#include "core/lograte.h"

#include <QDebug>
#include <QMutexLocker>

LogRateLimiter::LogRateLimiter(const QString &subject, int burst, qint64 windowMs)
    : m_subject(subject)
    , m_burst(burst)
    , m_windowMs(windowMs)
{
    m_clock.start();
}

LogRateLimiter::Verdict LogRateLimiter::admit(qint64 nowMs)
{
    QMutexLocker lock(&m_mutex);
    Verdict verdict;
    if (!m_started || nowMs - m_windowStart >= m_windowMs) {
        verdict.suppressed = m_suppressed;
        m_suppressed = 0;
        m_windowStart = nowMs;
        m_inWindow = 0;
        m_started = true;
    }
    if (m_inWindow < m_burst) {
        ++m_inWindow;
        verdict.write = true;
    } else {
        ++m_suppressed;
    }
    return verdict;
}

void LogRateLimiter::debug(const QString &line)
{
    // QElapsedTimer::elapsed() only reads: safe beside other threads.
    const Verdict verdict = admit(m_clock.elapsed());
    if (verdict.suppressed > 0)
        qDebug().noquote() << m_subject + QLatin1Char(':') << verdict.suppressed << "more not logged";
    if (verdict.write)
        qDebug().noquote() << line;
}

void LogRateLimiter::resetForTesting()
{
    QMutexLocker lock(&m_mutex);
    m_started = false;
    m_inWindow = 0;
    m_suppressed = 0;
}
