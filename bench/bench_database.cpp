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
#include <ctime>
#include <functional>
#include <vector>

namespace {

enum Side { Cipher = 0, Stock = 1 };
const char *const kSideNames[] = {"program driver + codec", "stock QSQLITE, plain file"};

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

QString fileFor(Side side, const QString &tag)
{
    return QStringLiteral("./bench/%1_%2.db")
        .arg(side == Cipher ? QStringLiteral("cipher") : QStringLiteral("plain"), tag);
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

// Wall-clock and thread CPU time of one piece of work. Other processes on
// the machine inflate wall time; thread CPU time is the steadier figure.
struct Timing {
    double wall = 1e300;
    double cpu = 1e300;
};

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

Timing timeIt(const std::function<void()> &work)
{
    QElapsedTimer timer;
    const double cpu0 = threadCpuMs();
    timer.start();
    work();
    return {timer.nsecsElapsed() / 1e6, threadCpuMs() - cpu0};
}

Timing best(const Timing &a, const Timing &b)
{
    return {std::min(a.wall, b.wall), std::min(a.cpu, b.cpu)};
}

// Best of several alternating rounds: both sides see the same machine state.
struct Result {
    QString what;
    Timing t[2];
};

void report(const QString &title, const QList<Result> &results)
{
    std::printf("\n%s\n%-52s %10s %10s %6s   %10s %10s %6s\n", qPrintable(title), "measure (best of rounds)",
                "codec cpu", "stock cpu", "ratio", "codec wall", "stock wall", "ratio");
    for (const Result &r : results) {
        const Timing &c = r.t[Cipher];
        const Timing &s = r.t[Stock];
        std::printf("%-52s %10.2f %10.2f %6.3f   %10.2f %10.2f %6.3f\n", qPrintable(r.what), c.cpu, s.cpu,
                    c.cpu / s.cpu, c.wall, s.wall, c.wall / s.wall);
    }
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
            r.t[side] = best(r.t[side], timeIt([&] {
                                 if (!DemoDataBuilder::insertRows(db, rows))
                                     qFatal("insert failed");
                             }));
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
    std::vector<Timing> fastest[2] = {std::vector<Timing>(size_t(chunks)), std::vector<Timing>(size_t(chunks))};
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < 2; ++i) {
            const Side side = Side((i + round) % 2);
            if (!useDefault(side, fileFor(side, tag)))
                qFatal("cannot open %s", qPrintable(fileFor(side, tag)));
            for (int chunk = 0; chunk < chunks; ++chunk)
                fastest[side][size_t(chunk)] = best(fastest[side][size_t(chunk)], timeIt([&] { work(chunk); }));
            closeDefault();
        }
    }
    for (int side : {Cipher, Stock}) {
        r.t[side] = Timing{0, 0};
        for (const Timing &t : fastest[side]) {
            r.t[side].wall += t.wall;
            r.t[side].cpu += t.cpu;
        }
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
        r.t[side] = timeIt([&] {
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
            r.t[side] = best(r.t[side], timeIt([&] {
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
