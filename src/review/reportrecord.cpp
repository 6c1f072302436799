#include "review/reportrecord.h"

#include "core/common.h"
#include "core/sampletext.h"
#include "core/systemconfig.h"

#include <QDebug>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Column positions in SELECT * order of SampleInfoTable.
enum Column {
    ColKey = 0,
    ColPanelType = 1,
    ColResult = 8,
    ColCtValue = 51,
    ColProData1 = 52,
    CurvePoints = 40,
};

} // namespace

bool ReportRecord::loadRun(const QStringList &keys, const QString &sampleId, const QDate &date, const QTime &time,
                           QList<QStringList> *dataList, QList<QList<int>> *curveData)
{
    dataList->clear();
    curveData->clear();
    if (keys.isEmpty())
        return false;

    // The sample id is the instrument's free text: it is bound, never pasted
    // into the statement, so a quote in it still finds its records.
    QSqlQuery query;
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE DATE=? AND TIME=? AND ISDONE != 0 AND SAMPLEID=? "
                                       "ORDER BY key DESC;")
                            .arg(QStringLiteral("SampleInfoTable"));
    const QLocale c = QLocale::c();
    const QString dateText = c.toString(date, QStringLiteral("yyyyMMdd"));
    const QString timeText = c.toString(time, QStringLiteral("hhmmss"));
    qDebug() << "ReportRecord::loadRun" << sql << dateText << timeText << sampleId;
    if (!query.prepare(sql)) {
        qDebug() << "ERR: report query" << query.lastError().text();
        return false;
    }
    query.addBindValue(dateText);
    query.addBindValue(timeText);
    query.addBindValue(sampleId);
    if (!query.exec()) {
        qDebug() << "ERR: report query" << query.lastError().text();
        return false;
    }

    while (query.next()) {
        if (!keys.contains(query.value(ColKey).toString()))
            continue;
        const QString item =
            QStringLiteral("%1").arg(Common::getInstance()->getItemName(query.value(ColPanelType).toInt()));
        *dataList << QStringList{item, SampleText::ctText(query.value(ColCtValue).toDouble()),
                                 SampleText::resultMark(query.value(ColResult).toInt()), sampleId};
        QList<int> curve;
        curve.reserve(CurvePoints);
        for (int i = 0; i < CurvePoints; ++i)
            curve << query.value(ColProData1 + i).toInt();
        *curveData << curve;
    }
    qDebug() << "data.dataList.size() is " << dataList->size();
    return !dataList->isEmpty();
}

QList<QStringList> ReportRecord::loadResultList(const QStringList &keys, const QString &sampleId, const QDate &date,
                                                const QTime &time)
{
    QList<QStringList> rows;
    QList<QList<int>> curves;
    loadRun(keys, sampleId, date, time, &rows, &curves);
    return rows;
}

QList<QList<int>> ReportRecord::loadCurveData(const QStringList &keys, const QString &sampleId, const QDate &date,
                                              const QTime &time)
{
    QList<QStringList> rows;
    QList<QList<int>> curves;
    loadRun(keys, sampleId, date, time, &rows, &curves);
    return curves;
}

QStringList ReportRecord::hospitalInfoFromSettings()
{
    SystemConfig *config = SystemConfig::getInstance();
    return {
        config->getHospitalName(),    QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("yyyy.MM.dd")),
        config->getInspectorName(),   config->getDoctorName(),
        config->getHospitalAddress(), config->getHospitalPhone()};
}
