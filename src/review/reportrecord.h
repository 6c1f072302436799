#pragma once

#include <QDate>
#include <QList>
#include <QStringList>
#include <QTime>

// Everything the one-page test report shows, from the report dialog to the
// report painter. The texts are already formatted for display; the painter
// reads nothing else.
//
// After every build: petInfo holds 9 texts, symptom 1, hospitalInfo 6;
// dataList and CurveData have the same rows (one per paired record, key
// descending), every dataList row 4 texts and every CurveData row 40 values.
struct ReportRecord {
    QStringList petInfo;         // owner, pet, type, test date, breed, sex, age, sample type, case number
    QStringList symptom;         // the clinical symptoms, line breaks kept
    QList<QStringList> dataList; // item name, Ct text, result mark, sample id
    QList<QList<int>> CurveData; // prodata1..40 of the same records
    QStringList hospitalInfo;    // name, today, contact phone, doctor, address, phone

    // The done records of one run (sample id, date, time to the second) whose
    // keys are among `keys`, newest key first. One read feeds both lists, row k
    // of one belonging to row k of the other. An empty key list, a failed
    // query or no match gives empty lists and false.
    static bool loadRun(const QStringList &keys, const QString &sampleId, const QDate &date, const QTime &time,
                        QList<QStringList> *dataList, QList<QList<int>> *curveData);
    static QList<QStringList> loadResultList(const QStringList &keys, const QString &sampleId, const QDate &date,
                                             const QTime &time);
    static QList<QList<int>> loadCurveData(const QStringList &keys, const QString &sampleId, const QDate &date,
                                           const QTime &time);

    // The six header texts from the settings, with today's date.
    static QStringList hospitalInfoFromSettings();
};
