#include "database/sampleinfoaccess.h"

#include "database/sampleinfomodel.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const char kTable[] = "SampleInfoTable";

// Column positions in SELECT * order.
enum Column {
    ColKey = 0,
    ColPanelType = 1,
    ColSampleId = 2,
    ColSBTId = 3,
    ColPIEId = 4,
    ColPatientId = 5,
    ColNoteInfo = 6,
    ColIsDone = 7,
    ColResult = 8,
    ColDate = 9,
    ColTime = 10,
    ColData1 = 11,
    ColCtValue = 51,
    ColProData1 = 52,
    ColumnCount = 92
};

// Quote-safe text for a LIKE pattern inside single quotes. '%' and '_' keep
// their wildcard meaning; a NUL would end the statement text early.
QString escapeLiteral(QString value)
{
    value.remove(QChar(0));
    return value.replace(QLatin1Char('\''), QLatin1String("''"));
}

bool allDigits(const QString &s)
{
    for (const QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

int digits(const QString &s, int from, int count)
{
    int v = 0;
    for (int i = from; i < from + count; ++i)
        v = v * 10 + (s.at(i).unicode() - '0');
    return v;
}

// The history page reads up to 100,000 rows at once: the fixed layouts are
// parsed directly instead of through a format string per row.
QDate parseDate(const QString &s)
{
    if (s.size() == 8 && allDigits(s))
        return QDate(digits(s, 0, 4), digits(s, 4, 2), digits(s, 6, 2));
    return QDate::fromString(s, QStringLiteral("yyyyMMdd"));
}

QTime parseTime(const QString &s)
{
    if (s.size() == 6 && allDigits(s))
        return QTime(digits(s, 0, 2), digits(s, 2, 2), digits(s, 4, 2));
    return QTime::fromString(s, QStringLiteral("hhmmss"));
}

void fillModel(SampleInfoModel *m, const QSqlQuery &q)
{
    m->Key = q.value(ColKey).toString();
    m->PanelType = q.value(ColPanelType).toInt();
    m->SampleId = q.value(ColSampleId).toString();
    m->SBTId = q.value(ColSBTId).toString();
    m->PIEId = q.value(ColPIEId).toString();
    m->PatientId = q.value(ColPatientId).toString();
    m->NoteInfo = q.value(ColNoteInfo).toString();
    m->isDone = static_cast<quint8>(q.value(ColIsDone).toInt());
    m->Result = static_cast<qint8>(q.value(ColResult).toInt());
    m->date = parseDate(q.value(ColDate).toString());
    m->time = parseTime(q.value(ColTime).toString());
    for (int i = 0; i < 40; ++i)
        m->data[i] = static_cast<quint16>(q.value(ColData1 + i).toInt());
    m->ctvalue = q.value(ColCtValue).toDouble();
    for (int i = 0; i < 40; ++i)
        m->prodata[i] = static_cast<quint16>(q.value(ColProData1 + i).toInt());
}

// First column of the first row, or 0.
int scalar(const QString &sql)
{
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        qDebug() << "ERR:" << sql << query.lastError().text();
        return 0;
    }
    return query.next() ? query.value(0).toInt() : 0;
}

} // namespace

SampleInfoAccess::SampleInfoAccess(QObject *parent)
    : QObject(parent)
{
}

SampleInfoAccess::~SampleInfoAccess()
{
    clearModels();
}

void SampleInfoAccess::clearModels()
{
    qDeleteAll(m_listModel);
    m_listModel.clear();
}

int SampleInfoAccess::getCount()
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ISDONE != 0").arg(QLatin1String(kTable)));
}

int SampleInfoAccess::getTotalCount()
{
    const QString sqlStr = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ISDONE != 0;").arg(QLatin1String(kTable));
    qDebug().noquote() << QStringLiteral("sqlStr: ") + sqlStr;
    m_nTotal = scalar(sqlStr);
    return m_nTotal;
}

int SampleInfoAccess::getModel(int offset, int rows)
{
    QString sqlStr;
    // One substitution pass: a filter holding "%1" or digits (a sample ID
    // such as "1A") must not be rewritten by the LIMIT/OFFSET values.
    if (m_bFilter) {
        sqlStr = QStringLiteral("SELECT * FROM %1 WHERE ISDONE != 0 AND %2 ORDER BY key DESC LIMIT %3 OFFSET %4 ;")
                     .arg(QLatin1String(kTable), m_strFilter, QString::number(rows), QString::number(offset));
    } else {
        sqlStr = QStringLiteral("SELECT * FROM %1 WHERE ISDONE != 0 ORDER BY key DESC LIMIT %2 OFFSET %3;")
                     .arg(QLatin1String(kTable), QString::number(rows), QString::number(offset));
    }
    qDebug().noquote() << QStringLiteral("getModel sqlStr: ") + sqlStr;
    return loadModels(sqlStr, rows);
}

QString SampleInfoAccess::buildFilter(const QDate &start, const QDate &end, const QString &sampleId,
                                      const QString &patientId)
{
    const QString fmt = QStringLiteral("yyyyMMdd");
    QString filter = QStringLiteral(" date >= %1 AND date <= %2 ").arg(start.toString(fmt), end.toString(fmt));
    // An empty value sets no condition, so rows whose column is NULL match
    // too (a LIKE '%' never matches NULL).
    if (!sampleId.isEmpty())
        filter += QStringLiteral(" AND SampleId LIKE '%") + escapeLiteral(sampleId) + QStringLiteral("%' ");
    if (!patientId.isEmpty())
        filter += QStringLiteral(" AND PatientId LIKE '%") + escapeLiteral(patientId) + QStringLiteral("%' ");
    return filter;
}

int SampleInfoAccess::getFilterCount(QDate start, QDate end, QString sampleId, QString patientId)
{
    const QString sqlStr = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 AND ISDONE != 0;")
                               .arg(QLatin1String(kTable), buildFilter(start, end, sampleId, patientId));
    qDebug().noquote() << QStringLiteral("sqlStr: ") + sqlStr;
    return scalar(sqlStr);
}

void SampleInfoAccess::setFilter(QDate start, QDate end, QString sampleId, QString patientId)
{
    m_strFilter = buildFilter(start, end, sampleId, patientId);
}

QString SampleInfoAccess::getExportSql()
{
    // Limited by the done count, so only done rows may be selected.
    QString columns = QStringLiteral("pieID,SampleID,panelType,ctvalue,Result,date,time");
    for (int i = 1; i <= 40; ++i)
        columns += QStringLiteral(",data%1").arg(i);
    return QStringLiteral("select %1 from %2 WHERE ISDONE != 0 ORDER BY key DESC limit %3")
        .arg(columns, QLatin1String(kTable), QString::number(getTotalCount()));
}

int SampleInfoAccess::findKeyModel(QString key)
{
    if (key.isEmpty()) {
        qDebug() << Q_FUNC_INFO << "options is Empty!!";
        return 0;
    }
    const QString sqlStr = QStringLiteral("SELECT * FROM %1 WHERE Key='%2' AND ISDONE != 0;")
                               .arg(QLatin1String(kTable), escapeLiteral(key));
    const int n = loadModels(sqlStr, 1);
    if (n == 0)
        qDebug() << Q_FUNC_INFO << key << "not exist!!";
    return n;
}

int SampleInfoAccess::loadModels(const QString &sql, int expectedRows)
{
    clearModels();
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        qDebug() << "ERR:" << query.lastError().text();
        return 0;
    }
    if (query.record().count() < ColumnCount) {
        qDebug() << "ERR: SampleInfoTable has" << query.record().count() << "columns";
        return 0;
    }
    m_listModel.reserve(qBound(0, expectedRows, 1 << 20));
    while (query.next()) {
        auto *model = new SampleInfoModel;
        fillModel(model, query);
        m_listModel.append(model);
    }
    return m_listModel.size();
}
