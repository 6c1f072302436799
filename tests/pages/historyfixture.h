#pragma once

// Fixture rows for the history page and query dialog tests: written through
// the program's own driver on the default connection that DbManage opens.

#include "database/dbmanage.h"
#include "database/demodatabuilder.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVector>

namespace HistoryFixture {

inline DemoSampleRow row(const QString &key, const QString &sampleId, const QString &pieId, int result,
                         const QString &date, const QString &time, double ct = 41.0, int panel = 1, int isDone = 1)
{
    return {key,  panel, sampleId, QStringLiteral("S"), pieId, QStringLiteral("P"), QString(), isDone, result, date,
            time, {},    ct};
}

inline bool clear()
{
    return QSqlQuery().exec(QStringLiteral("DELETE FROM SampleInfoTable"));
}

inline bool insert(const QVector<DemoSampleRow> &rows)
{
    QSqlDatabase db = QSqlDatabase::database();
    return DemoDataBuilder::insertRows(db, rows);
}

inline bool replaceWith(const QVector<DemoSampleRow> &rows)
{
    return clear() && insert(rows);
}

// n done rows of one sample: one run per distinct (date, time) in `runs`,
// keys ascending with the time so that the newest run comes first.
inline QVector<DemoSampleRow> runs(const QString &sampleId, const QStringList &times, int wellsPerRun,
                                   const QString &date = QStringLiteral("20240301"))
{
    QVector<DemoSampleRow> rows;
    int seq = 0;
    for (const QString &time : times)
        for (int w = 0; w < wellsPerRun; ++w)
            rows << row(date + QStringLiteral("%1").arg(++seq, 5, 10, QLatin1Char('0')), sampleId, QString::number(w),
                        w % 6, date, time, 20.0 + w);
    return rows;
}

} // namespace HistoryFixture
