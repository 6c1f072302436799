#include "database/loginfoaccess.h"

#include "database/loginfomodel.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
const int kSequenceDigits = 4;
const int kMaxSequence = 9999;
} // namespace

LogInfoAccess::LogInfoAccess(QObject *parent)
    : QObject(parent)
{
}

LogInfoAccess::~LogInfoAccess()
{
    clearModels();
}

void LogInfoAccess::clearModels()
{
    qDeleteAll(m_listModel);
    m_listModel.clear();
}

QString LogInfoAccess::nextKey(const QDate &day)
{
    const QString prefix = day.toString(QStringLiteral("yyyyMMdd"));
    QSqlQuery query;
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT MAX(Key) FROM LogInfoTable WHERE Key >= ? AND Key <= ? AND length(Key) = ?"));
    query.addBindValue(prefix + QStringLiteral("0000"));
    query.addBindValue(prefix + QStringLiteral("9999"));
    query.addBindValue(prefix.size() + kSequenceDigits);
    if (!query.exec()) {
        qDebug() << Q_FUNC_INFO << "ERR:" << query.lastError().text();
        return QString();
    }
    int last = 0;
    if (query.next() && !query.value(0).isNull())
        last = query.value(0).toString().mid(prefix.size()).toInt();
    if (last >= kMaxSequence) {
        qDebug() << Q_FUNC_INFO << "ERR: daily sequence exhausted for" << prefix;
        return QString();
    }
    return prefix + QStringLiteral("%1").arg(last + 1, kSequenceDigits, 10, QLatin1Char('0'));
}

bool LogInfoAccess::addModel(LogInfoModel *model)
{
    if (!model)
        return false;
    if (model->Key.isEmpty())
        model->Key = nextKey(model->Date);
    if (model->Key.isEmpty())
        return false;
    QSqlQuery query;
    query.prepare(QStringLiteral("INSERT INTO LogInfoTable (Key, ID, Outline, Daily, Date, Time) "
                                 "VALUES (?, ?, ?, ?, ?, ?)"));
    query.addBindValue(model->Key);
    query.addBindValue(model->ID);
    query.addBindValue(model->Outline);
    query.addBindValue(model->Daily);
    query.addBindValue(model->Date.toString(QStringLiteral("yyyyMMdd")));
    query.addBindValue(model->Time.toString(QStringLiteral("hhmmss")));
    if (!query.exec()) {
        qDebug() << Q_FUNC_INFO << "ERR:" << query.lastError().text();
        return false;
    }
    return true;
}

int LogInfoAccess::getCount()
{
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM LogInfoTable")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

int LogInfoAccess::getModel(int offset, int rows)
{
    clearModels();
    QSqlQuery query;
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT Key, ID, Outline, Daily, Date, Time FROM LogInfoTable "
                                 "ORDER BY Key DESC LIMIT ? OFFSET ?"));
    query.addBindValue(rows);
    query.addBindValue(offset);
    if (!query.exec()) {
        qDebug() << Q_FUNC_INFO << "ERR:" << query.lastError().text();
        return 0;
    }
    while (query.next()) {
        auto *model = new LogInfoModel;
        model->Key = query.value(0).toString();
        model->ID = query.value(1).toInt();
        model->Outline = query.value(2).toString();
        model->Daily = query.value(3).toString();
        model->Date = QDate::fromString(query.value(4).toString(), QStringLiteral("yyyyMMdd"));
        model->Time = QTime::fromString(query.value(5).toString(), QStringLiteral("hhmmss"));
        m_listModel.append(model);
    }
    return m_listModel.size();
}
