#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QTime>

// One row of LogInfoTable: an operation log entry.
class LogInfoModel : public QObject
{
    Q_OBJECT
public:
    explicit LogInfoModel(QObject *parent = nullptr);

    QString Key; // "yyyyMMdd" + four-digit daily sequence
    int ID = 0;  // LogOpt::LogId
    QString Outline;
    QString Daily;
    QDate Date; // stored as "yyyyMMdd"
    QTime Time; // stored as "hhmmss"
};
