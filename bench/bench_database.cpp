// Database benchmark: the program's driver and page codec against Qt's stock
// SQLite driver on a plain file, same process, same run, same data.
//   (a) 100,000 sample rows inserted in one transaction
//   (b) getModel of 100 rows at 1,000 random offsets of a 100,000-row table
//   (c) getFilterCount over 100,000 rows
//   (d) SELECT * of 10,000 done rows into models
//   plus the time to open a database (key derivation included).
// Usage: bench_database [rows]   (default 100000)
#include "support/testenv.h"

#include "database/dbschema.h"
#include "database/demodatabuilder.h"
#include "database/driver/zsqlitecipherdriver.h"
#include "database/sampleinfoaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

enum Side { Cipher = 0, Stock = 1 };
const char *const kSideNames[] = {"program driver + codec", "stock QSQLITE, plain file"};

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

QString fileFor(Side side, const QString &tag)
{
    return QStringLiteral("./bench/%1_%2.db").arg(side == Cipher ? QStringLiteral("cipher") : QStringLiteral("plain"), tag);
}

// Engine defaults, or the settings the program applies to its connections
// (applied to both sides alike).
bool g_programSettings = false;

// Makes the default connection (which the access objects use) point at path.
bool useDefault(Side side, const QString &path)
{
    const QString name = QLatin1String(QSqlDatabase::defaultConnection);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlDatabase db = side == Cipher ? QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, name)
                                     : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open())
        return false;
    if (g_programSettings)
        DbSchema::applyConnectionSettings(db);
    return true;
}

void closeDefault()
{
    const QString name = QLatin1String(QSqlDatabase::defaultConnection);
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Best of several alternating rounds: both sides see the same machine state.
struct Result {
    QString what;
    double ms[2] = {1e300, 1e300};
};

void report(const QString &title, const QList<Result> &results)
{
    std::printf("\n%s\n%-58s %12s %12s %7s\n", qPrintable(title), "measure (best of rounds)", "codec ms", "stock ms",
                "ratio");
    for (const Result &r : results)
        std::printf("%-58s %12.2f %12.2f %7.3f\n", qPrintable(r.what), r.ms[Cipher], r.ms[Stock],
                    r.ms[Cipher] / r.ms[Stock]);
    std::fflush(stdout);
}

Result insertBench(const QVector<DemoSampleRow> &rows, const QString &tag, int rounds)
{
    Result r;
    r.what = QStringLiteral("(a) insert %1 rows in one transaction").arg(rows.size());
    for (int round = 0; round < rounds; ++round) {
        for (Side side : {Cipher, Stock}) {
            QFile::remove(fileFor(side, tag));
            if (!useDefault(side, fileFor(side, tag)))
                qFatal("cannot open %s", qPrintable(fileFor(side, tag)));
            QSqlDatabase db = QSqlDatabase::database();
            DbSchema::createMissingTables(db);
            const double ms = timeMs([&] {
                if (!DemoDataBuilder::insertRows(db, rows))
                    qFatal("insert failed");
            });
            r.ms[side] = std::min(r.ms[side], ms);
            db = QSqlDatabase();
            closeDefault();
        }
    }
    return r;
}

// Runs work(chunk) for every chunk on each side, rounds times, the side
// order alternating; per side, the best time of each chunk over the rounds is
// summed. Fine-grained minima keep other load on the machine out of the ratio.
Result measure(const QString &what, const QString &tag, int rounds, int chunks, const std::function<void(int)> &work)
{
    Result r;
    r.what = what;
    std::vector<double> best[2] = {std::vector<double>(chunks, 1e300), std::vector<double>(chunks, 1e300)};
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < 2; ++i) {
            const Side side = Side((i + round) % 2);
            if (!useDefault(side, fileFor(side, tag)))
                qFatal("cannot open %s", qPrintable(fileFor(side, tag)));
            for (int chunk = 0; chunk < chunks; ++chunk)
                best[side][chunk] = std::min(best[side][chunk], timeMs([&] { work(chunk); }));
            closeDefault();
        }
    }
    for (int side : {Cipher, Stock}) {
        r.ms[side] = 0;
        for (double ms : best[side])
            r.ms[side] += ms;
    }
    return r;
}

Result pagingBench(int total, int rounds)
{
    std::vector<int> offsets;
    QRandomGenerator rng(7);
    for (int i = 0; i < 1000; ++i)
        offsets.push_back(int(rng.bounded(quint32(std::max(1, total - 100)))));
    const int chunks = 20;
    const int perChunk = int(offsets.size()) / chunks;
    return measure(QStringLiteral("(b) getModel 100 rows at 1000 random offsets of %1").arg(total),
                   QStringLiteral("big"), rounds, chunks, [&](int chunk) {
                       SampleInfoAccess access;
                       for (int i = chunk * perChunk; i < (chunk + 1) * perChunk; ++i) {
                           if (access.getModel(offsets[size_t(i)], 100) != 100)
                               qFatal("short page");
                       }
                   });
}

Result filterBench(int total, int rounds)
{
    struct Filter {
        QDate start, end;
        QString sampleId, patientId;
    };
    const QList<Filter> filters{
        {QDate(2025, 1, 1), QDate(2026, 12, 31), QString(), QString()},
        {QDate(2026, 3, 1), QDate(2026, 3, 31), QString(), QString()},
        {QDate(2025, 1, 1), QDate(2026, 12, 31), QStringLiteral("D0"), QString()},
        {QDate(2025, 1, 1), QDate(2026, 12, 31), QStringLiteral("123"), QString()},
        {QDate(2026, 6, 1), QDate(2026, 8, 31), QStringLiteral("C"), QStringLiteral("P1")},
        {QDate(2025, 1, 1), QDate(2026, 12, 31), QStringLiteral("O'Brien"), QString()},
    };
    return measure(QStringLiteral("(c) getFilterCount, %1 filters over %2 rows").arg(filters.size()).arg(total),
                   QStringLiteral("big"), rounds, filters.size(), [&](int chunk) {
                       SampleInfoAccess access;
                       const Filter &f = filters.at(chunk);
                       access.getFilterCount(f.start, f.end, f.sampleId, f.patientId);
                   });
}

Result loadBench(int rows, int rounds)
{
    return measure(QStringLiteral("(d) SELECT * of %1 done rows into models").arg(rows), QStringLiteral("small"),
                   rounds, 1, [&](int) {
                       SampleInfoAccess access;
                       if (access.getModel(0, access.getTotalCount()) != rows)
                           qFatal("short load");
                   });
}

// The first connection of the process: VFS registration and key derivation.
Result firstOpenBench()
{
    Result r;
    r.what = QStringLiteral("first open in the process + first statement");
    for (Side side : {Cipher, Stock}) {
        QFile::remove(fileFor(side, QStringLiteral("first")));
        r.ms[side] = timeMs([&] {
            useDefault(side, fileFor(side, QStringLiteral("first")));
            QSqlQuery q;
            if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
                qFatal("open failed");
        });
        closeDefault();
    }
    return r;
}

Result openBench(int rounds)
{
    Result r;
    r.what = QStringLiteral("open + first statement of a 100k-row file");
    for (int round = 0; round < rounds; ++round) {
        for (Side side : {Cipher, Stock}) {
            r.ms[side] = std::min(r.ms[side], timeMs([&] {
                useDefault(side, fileFor(side, QStringLiteral("big")));
                QSqlQuery q;
                if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
                    qFatal("open failed");
            }));
            closeDefault();
        }
    }
    return r;
}

} // namespace

int main(int argc, char *argv[])
{
    TestEnv env;
    QCoreApplication app(argc, argv);
    const int total = argc > 1 ? std::max(200, QString::fromLocal8Bit(argv[1]).toInt()) : 100000;
    const int small = std::min(10000, total);
    qInstallMessageHandler(silent); // the access objects log every statement
    QDir().mkpath(QStringLiteral("./bench"));

    std::printf("Generating %d + %d rows...\n", total, small);
    std::fflush(stdout);
    DemoDataBuilder::Options options;
    options.seed = 42;
    options.doneRows = total;
    const QVector<DemoSampleRow> bigRows = DemoDataBuilder::generate(options);
    options.seed = 43;
    options.doneRows = small;
    const QVector<DemoSampleRow> smallRows = DemoDataBuilder::generate(options);

    const Result firstOpen = firstOpenBench();
    for (bool programSettings : {false, true}) {
        g_programSettings = programSettings;
        QList<Result> results;
        if (!programSettings)
            results << firstOpen;
        results << insertBench(bigRows, QStringLiteral("big"), 3);
        insertBench(smallRows, QStringLiteral("small"), 1);
        results << pagingBench(total, 3);
        results << filterBench(total, 7);
        results << loadBench(small, 7);
        results << openBench(20);
        report(programSettings ? QStringLiteral("== program settings (%1 MiB page cache), both sides ==")
                                     .arg(DbSchema::kCacheKiB / 1024)
                               : QStringLiteral("== engine defaults (2 MiB page cache), both sides =="),
               results);
    }
    std::printf("\nfile sizes: codec %lld bytes, plain %lld bytes\n",
                QFileInfo(fileFor(Cipher, QStringLiteral("big"))).size(),
                QFileInfo(fileFor(Stock, QStringLiteral("big"))).size());
    std::printf("codec = %s; stock = %s; ratio = codec / stock\n", kSideNames[Cipher], kSideNames[Stock]);
    return 0;
}
