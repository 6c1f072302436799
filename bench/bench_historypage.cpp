// Opening the history page against reading the same rows through the driver
// alone, on demo databases of 1,000 / 10,000 / 100,000 done records, and the
// page's memory across 50 page switches. Run by hand:
//   bench_historypage [--switch-rows N]   (default 100000)

#include "support/testenv.h"

#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "pages/historydata.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <malloc.h>
#include <unistd.h>

namespace {

QTextStream out(stdout);

// Bytes the allocator hands out right now (heap in use plus mmapped blocks).
qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks) + qint64(info.hblkhd);
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> parts = statm.readAll().split(' ');
    return parts.size() > 1 ? parts.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

// The baseline: the page's own statement, every column of every row fetched
// through the program's driver as a QVariant, nothing converted or built.
double bareReadMs(int rows, qint64 *checksum)
{
    QElapsedTimer timer;
    timer.start();
    QSqlQuery q;
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT * FROM SampleInfoTable WHERE ISDONE != 0 ORDER BY key DESC LIMIT %1 OFFSET 0")
               .arg(rows));
    qint64 sum = 0;
    int count = 0;
    while (q.next()) {
        for (int c = 0; c < 92; ++c)
            sum += q.value(c).userType();
        ++count;
    }
    *checksum = sum + count;
    return timer.nsecsElapsed() / 1e6;
}

// The records alone, as the page's access object loads them.
double accessReadMs(int rows)
{
    QElapsedTimer timer;
    timer.start();
    SampleInfoAccess access;
    access.getModel(0, rows);
    return timer.nsecsElapsed() / 1e6;
}

double openPageMs(qint64 *heapWhileOpen = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    HistoryData *page = HistoryData::getInstance();
    page->initWidget();
    const double ms = timer.nsecsElapsed() / 1e6;
    if (heapWhileOpen)
        *heapWhileOpen = heapInUse();
    page->releaseInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}

double best(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.first();
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

bool install(DbManage &db, int doneRows)
{
    const QString path = TestEnv::instance()->path(QStringLiteral("bench_%1.db").arg(doneRows));
    DemoDataBuilder::Options options;
    options.doneRows = doneRows;
    options.seed = 7;
    options.notDoneRows = doneRows / 50;
    if (DemoDataBuilder::build(path, options) < doneRows)
        return false;
    return db.replaceDatabase(path) && SampleInfoAccess::getCount() == doneRows;
}

} // namespace

int main(int argc, char *argv[])
{
    TestEnv env;
    QApplication app(argc, argv);
    int switchRows = 100000;
    const QStringList args = app.arguments();
    if (args.size() > 2 && args.at(1) == QLatin1String("--switch-rows"))
        switchRows = args.at(2).toInt();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    DbManage db;
    if (!db.openDatabase() || !db.checkTables()) {
        out << "cannot open the database\n";
        return 1;
    }

    out << "done rows | bare driver read ms | access object read ms | page open ms | page/bare (median) | "
           "page/bare (best)   [medians of 5]\n";
    for (int rows : {1000, 10000, 100000}) {
        if (!install(db, rows)) {
            out << "cannot build the " << rows << "-row database\n";
            return 1;
        }
        qint64 checksum = 0;
        bareReadMs(rows, &checksum); // warm the page cache once
        openPageMs();
        QVector<double> bare, access, page;
        for (int i = 0; i < 5; ++i) {
            bare << bareReadMs(rows, &checksum);
            access << accessReadMs(rows);
            page << openPageMs();
        }
        out << QStringLiteral("%1 | %2 | %3 | %4 | %5 | %6\n")
                   .arg(rows)
                   .arg(median(bare), 0, 'f', 1)
                   .arg(median(access), 0, 'f', 1)
                   .arg(median(page), 0, 'f', 1)
                   .arg(median(page) / median(bare), 0, 'f', 2)
                   .arg(best(page) / best(bare), 0, 'f', 2);
        out.flush();
    }

    if (!install(db, switchRows))
        return 1;
    out << "\n50 page switches on " << switchRows
        << " done rows (heap in use while open / after leaving / resident after leaving, MiB):\n";
    double firstHeap = 0, firstRss = 0;
    for (int i = 1; i <= 50; ++i) {
        qint64 open = 0;
        openPageMs(&open);
        malloc_trim(0);
        const double heap = heapInUse() / 1048576.0, rss = residentBytes() / 1048576.0;
        if (i == 1) {
            firstHeap = heap;
            firstRss = rss;
        }
        if (i == 1 || i == 10 || i == 25 || i == 50)
            out << QStringLiteral("  switch %1: %2 / %3 / %4\n")
                       .arg(i)
                       .arg(open / 1048576.0, 0, 'f', 2)
                       .arg(heap, 0, 'f', 2)
                       .arg(rss, 0, 'f', 1);
        out.flush();
    }
    out << QStringLiteral("  growth from switch 1 to 50: heap %1 MiB, resident %2 MiB\n")
               .arg(heapInUse() / 1048576.0 - firstHeap, 0, 'f', 2)
               .arg(residentBytes() / 1048576.0 - firstRss, 0, 'f', 1);
    return 0;
}
