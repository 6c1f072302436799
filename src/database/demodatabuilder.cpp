#include "database/demodatabuilder.h"

#include "core/common.h"
#include "database/dbschema.h"
#include "database/driver/zsqlitecipherdriver.h"

#include <QAtomicInt>
#include <QDate>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace {

const int kCycles = 40;
const double kNoAmplification = 41.0;
const QDate kLastDay(2026, 11, 30); // fixed, so a seed always gives the same file

// Result-mark codes: 0 "++", 1 "-", 2 "+", 3 "+++", 4 "*", 5 "Invalid", by
// the reference rule that the report prints beside them.
int resultForCt(double ct)
{
    if (ct >= kNoAmplification || ct <= 0.0)
        return 1;
    if (ct <= 10.0)
        return 5;
    if (ct <= 20.0)
        return 3;
    if (ct <= 30.0)
        return 0;
    if (ct < 36.0)
        return 2;
    return 4;
}

class Generator
{
public:
    explicit Generator(quint32 seed)
        : m_rng(seed)
    {
    }

    double uniform(double lo, double hi) { return lo + (hi - lo) * m_rng.generateDouble(); }
    int bounded(int n) { return static_cast<int>(m_rng.bounded(static_cast<quint32>(n))); }
    bool chance(double p) { return m_rng.generateDouble() < p; }

    double gaussian()
    {
        // Box-Muller; deterministic for a seed on every platform.
        const double u1 = std::max(m_rng.generateDouble(), 1e-12);
        const double u2 = m_rng.generateDouble();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * M_PI * u2);
    }

    // Fills raw data, baseline-corrected prodata, Ct and result of one row.
    void curve(DemoSampleRow &row, bool positive, bool invalid)
    {
        const double base = uniform(800, 2500);
        const double drift = uniform(-3, 6);
        const double noise = uniform(10, 35);
        const double amplitude = positive ? uniform(3000, 20000) : 0.0;
        // The threshold is crossed some 7 cycles before the midpoint: late
        // midpoints give the weak and suspect Cts of 30 to 38.
        const double midpoint = uniform(17, 45);
        const double width = uniform(1.2, 2.2);
        // A disturbed well jumps in the first cycles (a bubble, a loose
        // lid): its early Ct is what the rule reads as an invalid result.
        const double earlyCt = invalid ? std::round(uniform(3.0, 10.0) * 100.0) / 100.0 : 0.0;
        const double jump = invalid ? uniform(1500, 4000) : 0.0;
        double raw[kCycles];
        for (int c = 0; c < kCycles; ++c) {
            double v = base + drift * (c + 1) + noise * gaussian();
            if (positive)
                v += amplitude / (1.0 + std::exp(-((c + 1) - midpoint) / width));
            if (invalid)
                v += uniform(-800, 800) + (c + 1 >= earlyCt ? jump : 0.0);
            raw[c] = std::clamp(v, 0.0, 65535.0);
            row.data[c] = static_cast<quint16>(std::lround(raw[c]));
        }
        correct(row, raw);
        row.ctvalue = invalid ? earlyCt : crossing(row, std::max(10.0 * noise, 200.0));
        row.result = resultForCt(row.ctvalue);
    }

private:
    // Least-squares line through cycles 3 to 12, subtracted, floored at 0.
    static void correct(DemoSampleRow &row, const double *raw)
    {
        const int first = 2;
        const int last = 11;
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        const int n = last - first + 1;
        for (int c = first; c <= last; ++c) {
            sx += c;
            sy += raw[c];
            sxx += double(c) * c;
            sxy += c * raw[c];
        }
        const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
        const double offset = (sy - slope * sx) / n;
        for (int c = 0; c < kCycles; ++c) {
            const double v = raw[c] - (offset + slope * c);
            row.prodata[c] = static_cast<quint16>(std::lround(std::clamp(v, 0.0, 65535.0)));
        }
    }

    // First fractional cycle where prodata rises through the threshold and
    // stays above it for the next two cycles; 41.0 when it never does.
    static double crossing(const DemoSampleRow &row, double threshold)
    {
        for (int c = 12; c + 2 < kCycles; ++c) {
            const double a = row.prodata[c - 1];
            const double b = row.prodata[c];
            if (a < threshold && b >= threshold && row.prodata[c + 1] >= threshold && row.prodata[c + 2] >= threshold) {
                const double ct = c + (threshold - a) / (b - a); // cycle numbers are 1-based
                return std::round(ct * 100.0) / 100.0;
            }
        }
        return kNoAmplification;
    }

    QRandomGenerator m_rng;
};

struct Run {
    QDate date;
    QTime time;
    QVector<DemoSampleRow> rows;
};

// One run of the analyser: 1 to 8 test items of one sample, each with a
// well and channel of its own. Items fill the wells two by two, FAM first
// and VIC beside it, as a duplex panel loads them.
Run makeRun(Generator &gen, int runIndex, int maxRows, QList<int> codes)
{
    static const char species[] = {'D', 'C', 'E'};
    Run run;
    run.date = kLastDay.addDays(-gen.bounded(365));
    run.time = QTime(8, 0).addSecs(gen.bounded(12 * 3600));
    const QString sampleId =
        QStringLiteral("%1%2").arg(QLatin1Char(species[gen.bounded(3)])).arg(runIndex + 1, 5, 10, QLatin1Char('0'));
    const QString sbtId = QStringLiteral("SBT%1").arg(gen.bounded(1000000), 6, 10, QLatin1Char('0'));
    const QString patientId =
        gen.chance(0.2) ? QString() : QStringLiteral("P%1").arg(gen.bounded(1000000), 6, 10, QLatin1Char('0'));
    const int items = std::min(1 + gen.bounded(DemoDataBuilder::kMaxRunRows), maxRows);
    for (int item = 0; item < items; ++item) {
        const int panel = codes.isEmpty() ? 1 : codes.takeAt(gen.bounded(codes.size()));
        const int well = item / 2;
        const int channel = item % 2;
        DemoSampleRow row;
        row.panelType = panel;
        row.sampleId = sampleId;
        row.sbtId = sbtId;
        row.patientId = patientId;
        row.noteInfo = QStringLiteral("");
        row.pieId = QString::number(well + channel * 8);
        row.isDone = channel + 1;
        row.date = run.date.toString(QStringLiteral("yyyyMMdd"));
        row.time = run.time.toString(QStringLiteral("hhmmss"));
        gen.curve(row, gen.chance(0.4), gen.chance(0.03));
        run.rows.append(row);
    }
    return run;
}

} // namespace

QVector<DemoSampleRow> DemoDataBuilder::generate(const Options &options)
{
    Generator gen(options.seed);
    const QList<int> codes = Common::itemCodes();
    QVector<Run> runs;
    int done = 0;
    const bool byRows = options.doneRows >= 0;
    for (int i = 0; byRows ? done < options.doneRows : i < options.runs; ++i) {
        Run run = makeRun(gen, i, byRows ? options.doneRows - done : kMaxRunRows, codes);
        done += run.rows.size();
        runs.append(run);
    }
    for (int i = 0; i < options.notDoneRows; ++i) {
        Run run = makeRun(gen, runs.size(), 1, codes);
        run.rows[0].isDone = 0;
        runs.append(run);
    }
    std::stable_sort(runs.begin(), runs.end(),
                     [](const Run &a, const Run &b) { return a.date != b.date ? a.date < b.date : a.time < b.time; });
    // Keys: the day followed by its four-digit sequence, in time order.
    QVector<DemoSampleRow> rows;
    rows.reserve(done + options.notDoneRows);
    QDate day;
    int sequence = 0;
    for (Run &run : runs) {
        if (run.date != day) {
            day = run.date;
            sequence = 0;
        }
        for (DemoSampleRow &row : run.rows) {
            row.key = run.date.toString(QStringLiteral("yyyyMMdd")) +
                      QStringLiteral("%1").arg(++sequence, 4, 10, QLatin1Char('0'));
            rows.append(row);
        }
    }
    return rows;
}

bool DemoDataBuilder::insertRows(QSqlDatabase &db, const QVector<DemoSampleRow> &rows)
{
    QStringList marks;
    for (int i = 0; i < DbSchema::sampleColumns().size(); ++i)
        marks << QStringLiteral("?");
    if (!db.transaction()) {
        qDebug() << Q_FUNC_INFO << "ERR: no transaction" << db.lastError().text();
        return false;
    }
    bool ok = true;
    {
        QSqlQuery query(db);
        ok = query.prepare(QStringLiteral("INSERT INTO SampleInfoTable VALUES (%1)").arg(marks.join(QLatin1Char(','))));
        for (int r = 0; ok && r < rows.size(); ++r) {
            const DemoSampleRow &row = rows.at(r);
            query.bindValue(0, row.key);
            query.bindValue(1, row.panelType);
            query.bindValue(2, row.sampleId);
            query.bindValue(3, row.sbtId);
            query.bindValue(4, row.pieId);
            query.bindValue(5, row.patientId.isNull() ? QVariant(QVariant::String) : QVariant(row.patientId));
            query.bindValue(6, row.noteInfo);
            query.bindValue(7, row.isDone);
            query.bindValue(8, row.result);
            query.bindValue(9, row.date);
            query.bindValue(10, row.time);
            for (int c = 0; c < kCycles; ++c)
                query.bindValue(11 + c, int(row.data[c]));
            query.bindValue(51, row.ctvalue);
            for (int c = 0; c < kCycles; ++c)
                query.bindValue(52 + c, int(row.prodata[c]));
            ok = query.exec();
        }
        if (!ok)
            qDebug() << Q_FUNC_INFO << "ERR: insert failed" << query.lastError().text();
    }
    if (!ok) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        qDebug() << Q_FUNC_INFO << "ERR: commit failed" << db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

int DemoDataBuilder::build(const QString &path, int runs, quint32 seed)
{
    Options options;
    options.runs = runs;
    options.seed = seed;
    return build(path, options);
}

int DemoDataBuilder::build(const QString &path, const Options &options)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
    static QAtomicInt counter;
    const QString name = QStringLiteral("DemoDataBuilder_%1").arg(counter.fetchAndAddRelaxed(1));
    int written = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, name);
        db.setDatabaseName(path);
        if (db.open() && DbSchema::createMissingTables(db)) {
            DbSchema::applyConnectionSettings(db);
            const QVector<DemoSampleRow> rows = generate(options);
            if (insertRows(db, rows))
                written = rows.size();
        } else {
            qDebug() << Q_FUNC_INFO << "ERR: cannot create" << path << db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return written;
}
