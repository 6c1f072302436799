#pragma once

#include <QAtomicInt>
#include <QMutex>
#include <QStringList>
#include <QWaitCondition>

#include <functional>

// The queue between the callers of a table-writing thread and its worker:
// packed rows, optionally with the two subtitles of their section, queued
// from any thread and taken by the worker in batches every 10 ms until
// stop(). Shared by the workbook and the HTML table threads.
class SectionQueue
{
public:
    struct Batch {
        QStringList content;
        QStringList subTitle1;
        QStringList subTitle2;
        // Sections need one pair of subtitles per packed row.
        bool sectioned() const
        {
            return !subTitle1.isEmpty() && !subTitle2.isEmpty() && subTitle1.size() == subTitle2.size();
        }
    };

    void setSubTitle1(const QStringList &subTitle1);
    void setSubTitle2(const QStringList &subTitle2);
    void setContent(const QStringList &content);
    void appendSubTitle1(const QString &str);
    void appendSubTitle2(const QString &str);
    void appendContent(const QString &str);
    // One section with its two subtitles, queued under one lock so that a
    // take never splits it.
    void appendSection(const QString &subTitle1, const QString &subTitle2, const QString &content);
    bool hasSubTitles() const;

    // Empties the queue and clears a stop request.
    void clear();
    // Everything queued; empty when no row is.
    Batch take();

    void stop();
    // Ends a run: the next one waits for its own stop().
    void resetStop();
    // Calls takeBatch until stop(), sleeping 10 ms between calls unless
    // woken, then once more for what was queued before the stop.
    void runUntilStopped(const std::function<void()> &takeBatch);

private:
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QAtomicInt m_stop;
    Batch m_queued;
};
