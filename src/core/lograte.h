#pragma once

#include <QElapsedTimer>
#include <QMutex>
#include <QString>
#include <QtGlobal>

// Bounds what a flood of like events writes to the daily debug log (say,
// datagrams from hosts on the LAN that are not the instrument): the first
// lines of each window are written, the rest only counted, and the count goes
// out as one summary line with the next line after the window. A day-long
// flood so costs at most (burst + 1) lines a minute. One limiter may be shared
// by several threads.
class LogRateLimiter
{
public:
    static constexpr int kBurst = 10;
    static constexpr qint64 kWindowMs = 60000;

    // subject names the lines in the summary, e.g. "dropped datagrams".
    explicit LogRateLimiter(const QString &subject, int burst = kBurst, qint64 windowMs = kWindowMs);

    struct Verdict {
        bool write = false;    // write this line
        qint64 suppressed = 0; // lines held back before it: write their count first
    };
    // The decision for a line at nowMs (any monotonic clock in ms).
    Verdict admit(qint64 nowMs);

    // Writes line as a debug line, with the summary before it, as admit()
    // decides on the limiter's own clock.
    void debug(const QString &line);

    // Test seam: a fresh window with nothing counted, as if just built.
    void resetForTesting();

private:
    QString m_subject;
    int m_burst;
    qint64 m_windowMs;
    qint64 m_windowStart = 0;
    int m_inWindow = 0;
    qint64 m_suppressed = 0;
    bool m_started = false;
    QElapsedTimer m_clock;
    QMutex m_mutex;
};
