#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

class LogInfoModel;

// Access object of LogInfoTable on the default connection.
class LogInfoAccess : public QObject
{
    Q_OBJECT
public:
    explicit LogInfoAccess(QObject *parent = nullptr);
    ~LogInfoAccess() override; // deletes the loaded records

    // Next free key of the day: "yyyyMMdd" + the daily sequence number,
    // zero-padded to 4 digits (the first entry of a day is 0001). Empty when
    // the day is full or the table cannot be read.
    static QString nextKey(const QDate &day);

    // Inserts the entry; an empty Key is filled with nextKey(Date) first.
    bool addModel(LogInfoModel *model);

    static int getCount();
    // Loads entries newest key first; replaces the loaded records.
    int getModel(int offset, int rows);

    QList<LogInfoModel *> m_listModel; // loaded records, owned

private:
    void clearModels();
};
