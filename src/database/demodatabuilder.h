#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVector>

// One generated row of SampleInfoTable.
struct DemoSampleRow {
    QString key;
    int panelType = 0;
    QString sampleId;
    QString sbtId;
    QString pieId;
    QString patientId; // a null text is stored as NULL
    QString noteInfo;
    int isDone = 0;
    int result = 0;
    QString date; // "yyyyMMdd"
    QString time; // "hhmmss"
    quint16 data[40] = {};
    double ctvalue = 41.0;
    quint16 prodata[40] = {};
};

// Deterministic demo and fixture databases: runs of 1 to 8 records, as one
// run of the analyser gives and one report covers, each a different test
// item in a well and channel of its own (FAM rows PIEId 0-7 and isDone 1,
// VIC rows PIEId 8-15 and isDone 2); 40-cycle curves (sigmoids with noise
// for positives, flat noisy baselines for negatives), baseline-corrected
// prodata, Ct 41.0 for no amplification, result marks by the reference rule
// the report prints, dates spread over the year before a fixed day. Same
// seed, same rows.
class DemoDataBuilder
{
public:
    static constexpr int kMaxRunRows = 8;

    struct Options {
        int runs = 10; // runs to generate when doneRows < 0
        quint32 seed = 1;
        int doneRows = -1;   // when >= 0: exactly this many done rows; runs is ignored
        int notDoneRows = 0; // extra rows with isDone 0, which no list shows
    };

    static QVector<DemoSampleRow> generate(const Options &options);

    // Inserts the rows in one transaction on any open connection (the tables
    // must exist). False, with everything rolled back, on failure.
    static bool insertRows(QSqlDatabase &db, const QVector<DemoSampleRow> &rows);

    // Writes a fresh encrypted database at path (a file there is replaced)
    // through the program's driver. Returns the rows written, -1 on failure.
    static int build(const QString &path, int runs, quint32 seed);
    static int build(const QString &path, const Options &options);
};
