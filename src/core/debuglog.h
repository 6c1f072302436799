#pragma once

#include <QDate>
#include <QMutex>
#include <QString>
#include <QtGlobal>

#include "core/singleton.h"

// Daily debug log "./app/debugLog/DebugLog_yyyyMMdd.txt". The message handler
// installed at start-up hands every Qt message of every thread to it.
class DebugLog
{
public:
    static DebugLog *getInstance();

    // Installs messageHandler as Qt's message handler.
    static void install();
    static void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg);

    static QString levelWord(QtMsgType type);
    // "[time] Level: text" as written to the file.
    static QString formatLine(QtMsgType type, const QDateTime &when, const QString &msg);
    static QString filePathFor(const QDate &day);

    void write(QtMsgType type, const QString &msg);
    // Removes log files older than maxAgeDays; returns how many were removed.
    int removeOldFiles(int maxAgeDays = 30, const QDate &today = QDate::currentDate());

private:
    friend class Singleton<DebugLog>;
    DebugLog() = default;
    QMutex m_mutex;
};
