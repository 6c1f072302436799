#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

class SampleInfoModel;

// Access object of SampleInfoTable on the default connection. Only done rows
// (isDone != 0) are ever read. Every query replaces the loaded records.
class SampleInfoAccess : public QObject
{
    Q_OBJECT
public:
    explicit SampleInfoAccess(QObject *parent = nullptr);
    ~SampleInfoAccess() override; // deletes the loaded records

    static int getCount();
    int getTotalCount();
    int getModel(int offset, int rows);
    int getFilterCount(QDate start, QDate end, QString sampleId, QString patientId);
    void setFilter(QDate start, QDate end, QString sampleId, QString patientId);
    QString getExportSql();
    int findKeyModel(QString key);

    bool m_bFilter = false;               // while set, getModel reads through m_strFilter
    QList<SampleInfoModel *> m_listModel; // loaded records, owned
    int m_nTotal = 0;                     // last result of getTotalCount()
    QString m_strFilter;                  // SQL condition built by setFilter()

private:
    static QString buildFilter(const QDate &start, const QDate &end, const QString &sampleId, const QString &patientId);
    int loadModels(const QString &sql, int expectedRows);
    void clearModels();
};
