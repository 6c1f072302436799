#pragma once

#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QString>

// What the tables of both export workers are made of: the file, the texts
// above the table, how queued texts split into rows and cells, the columns
// and the check rule that marks a row red.
struct TableSettings {
    QString fileName;
    QString title;
    QString subTitle;
    QString separator = QStringLiteral(";");    // between the cells of a row
    QString subSeparator = QStringLiteral("|"); // between the rows of a section
    QList<QString> columnNames;
    QList<int> columnWidths;
    int borderWidth = 1;
    int checkColumnIndex = -1; // negative: no check
    QString checkType = QStringLiteral("==");
    QString checkValue = QStringLiteral("0");
};

// A worker's settings under one lock: the caller sets them up, whole or a
// field at a time, while the worker thread reads them as whole copies, so
// it never sees half an update.
template <class Settings> class LockedSettings
{
public:
    Settings get() const
    {
        QMutexLocker lock(&m_mutex);
        return m_value;
    }
    void set(const Settings &value)
    {
        QMutexLocker lock(&m_mutex);
        m_value = value;
    }
    // field may name a member of a base of Settings (TableSettings).
    template <class Value, class Owner> void setField(Value Owner::*field, const Value &value)
    {
        QMutexLocker lock(&m_mutex);
        m_value.*field = value;
    }

private:
    mutable QMutex m_mutex;
    Settings m_value;
};
