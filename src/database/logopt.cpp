#include "database/logopt.h"

#include "core/systemconfig.h"
#include "database/loginfoaccess.h"
#include "database/loginfomodel.h"

#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QTextCodec>

namespace {

QString textValue(const QSettings &settings, const QString &key)
{
    const QVariant v = settings.value(key);
    // An unquoted comma makes QSettings split the text into a list.
    if (v.type() == QVariant::StringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

} // namespace

LogOpt::LogOpt(QObject *parent)
    : QObject(parent)
{
}

LogOpt *LogOpt::getInstance()
{
    return Singleton<LogOpt>::instance();
}

QString LogOpt::textFilePath(int language)
{
    const QString name =
        (language == 0 || language == 3) ? QStringLiteral("LogInfo_Ch.ini") : QStringLiteral("LogInfo_En.ini");
    return QStringLiteral("%1/config/%2").arg(QStringLiteral("./app"), name);
}

bool LogOpt::writeLog(int logId)
{
    if (!QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).isOpen()) {
        qDebug() << Q_FUNC_INFO << "ERR: database not open, log id" << logId;
        return false;
    }
    const QString path = textFilePath(SystemConfig::getInstance()->getSystemLanguage());
    LogInfoModel entry;
    entry.ID = logId;
    if (QFileInfo::exists(path)) {
        QSettings texts(path, QSettings::IniFormat);
        texts.setIniCodec(QTextCodec::codecForName("UTF-8"));
        texts.beginGroup(QString::number(logId));
        entry.Outline = textValue(texts, QStringLiteral("Outline"));
        entry.Daily = textValue(texts, QStringLiteral("Daily"));
        texts.endGroup();
    } else {
        qDebug() << Q_FUNC_INFO << "log text file missing:" << path;
    }
    const QDateTime now = QDateTime::currentDateTime();
    entry.Date = now.date();
    entry.Time = now.time();
    LogInfoAccess access;
    return access.addModel(&entry);
}
