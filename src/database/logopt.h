#pragma once

#include <QObject>
#include <QString>

#include "core/singleton.h"

// Writes operation log entries into LogInfoTable by log id, with the outline
// and daily texts of the current language's log text file.
class LogOpt : public QObject
{
    Q_OBJECT
public:
    enum LogId {
        LOG_APP_START = 4,         // the program started
        LOG_APP_EXIT = 5,          // the program closed normally
        LOG_SHUTDOWN_FLAG_SET = 6, // the running flag was set for this run
        LOG_ABNORMAL_SHUTDOWN = 7, // the previous run ended without a normal close
    };
    Q_ENUM(LogId)

    static LogOpt *getInstance();

    // Adds one entry for logId, keyed by today's date and daily sequence. A
    // missing text file or id gives empty texts, not a failure; false only
    // when the entry could not be written.
    bool writeLog(int logId);

    // "./app/config/LogInfo_Ch.ini" for languages 0 and 3, else the English one.
    static QString textFilePath(int language);

private:
    friend class Singleton<LogOpt>;
    explicit LogOpt(QObject *parent = nullptr);
};
