#include "core/debuglog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>

#include <cstdio>

DebugLog *DebugLog::getInstance()
{
    return Singleton<DebugLog>::instance();
}

void DebugLog::install()
{
    qInstallMessageHandler(&DebugLog::messageHandler);
}

void DebugLog::messageHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    getInstance()->write(type, msg);
    if (type == QtFatalMsg)
        abort();
}

QString DebugLog::levelWord(QtMsgType type)
{
    switch (type) {
    case QtWarningMsg:
        return QStringLiteral("Warning:");
    case QtCriticalMsg:
        return QStringLiteral("Critical:");
    case QtFatalMsg:
        return QStringLiteral("Fatal:");
    case QtDebugMsg:
    case QtInfoMsg:
    default:
        return QStringLiteral("Debug:");
    }
}

QString DebugLog::formatLine(QtMsgType type, const QDateTime &when, const QString &msg)
{
    const QString time = QLocale::c().toString(when, QStringLiteral("yyyy-MM-dd hh:mm:ss ddd"));
    return QStringLiteral("[%1] %2 %3").arg(time, levelWord(type), msg);
}

QString DebugLog::filePathFor(const QDate &day)
{
    return QStringLiteral("%1/%2/DebugLog_%3.txt")
        .arg(QStringLiteral("./app"), QStringLiteral("debugLog"), day.toString(QStringLiteral("yyyyMMdd")));
}

void DebugLog::write(QtMsgType type, const QString &msg)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray line = formatLine(type, now, msg).toUtf8() + '\n';

    QMutexLocker lock(&m_mutex);
    // Opened per line: a removed or rotated file never swallows later lines.
    // The folder is made only when the first open finds it missing.
    QFile file(filePathFor(now.date()));
    bool open = file.open(QIODevice::WriteOnly | QIODevice::Append);
    if (!open && QDir().mkpath(QFileInfo(file.fileName()).path()))
        open = file.open(QIODevice::WriteOnly | QIODevice::Append);
    if (open) {
        file.write(line);
        file.close(); // closing flushes, so a fatal line is on disk before abort()
    } else {
        // Nowhere to log to: stderr keeps the line visible.
        fputs(line.constData(), stderr);
    }
}

int DebugLog::removeOldFiles(int maxAgeDays, const QDate &today)
{
    QMutexLocker lock(&m_mutex);
    const QDir dir(QFileInfo(filePathFor(today)).path());
    static const QRegularExpression pattern(QStringLiteral("^DebugLog_(\\d{8})\\.txt$"));
    int removed = 0;
    const QStringList names = dir.entryList({QStringLiteral("DebugLog_*.txt")}, QDir::Files);
    for (const QString &name : names) {
        const auto match = pattern.match(name);
        if (!match.hasMatch())
            continue;
        const QDate day = QDate::fromString(match.captured(1), QStringLiteral("yyyyMMdd"));
        if (day.isValid() && day.daysTo(today) > maxAgeDays && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}
