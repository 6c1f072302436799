#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QTime>

// One row of SampleInfoTable. The access object that loaded it owns it.
class SampleInfoModel : public QObject
{
    Q_OBJECT
public:
    explicit SampleInfoModel(QObject *parent = nullptr);

    QString Key;
    int PanelType = 0;
    QString SampleId;
    QString SBTId;
    QString PIEId;
    QString PatientId;
    QString NoteInfo;
    quint8 isDone = 0; // dye channel: 1 FAM, 2 VIC
    qint8 Result = 0;  // result-mark code 0 to 5, read as a signed byte
    QDate date;
    QTime time;
    quint16 data[40] = {};
    double ctvalue = 0.0;
    quint16 prodata[40] = {};
};
