// A toggle of the curve dialog (well button or channel box: axis, chart and
// table redone) against one bare read of the run's rows through the driver,
// on a demo database of 50,000 done records. For reference it also times
// the reads a toggle would cost if it went back to the database for the run
// and the newest row of every position. Run by hand:
//   bench_curvedialog [--rows N]   (default 50000)

#include "support/testenv.h"

#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "review/samplesplinedlg.h"

#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>

namespace {

QTextStream out(stdout);

struct Run {
    QString key, date, time;
};

// The run with the most done rows (up to 16: eight wells, two channels).
Run biggestRun()
{
    QSqlQuery q;
    q.exec(QStringLiteral("SELECT date, time, COUNT(*) AS n FROM SampleInfoTable WHERE ISDONE != 0 "
                          "GROUP BY date, time ORDER BY n DESC LIMIT 1"));
    Run run;
    if (!q.next())
        return run;
    run.date = q.value(0).toString();
    run.time = q.value(1).toString();
    QSqlQuery k;
    k.exec(QStringLiteral("SELECT Key FROM SampleInfoTable WHERE DATE='%1' AND TIME='%2' AND ISDONE != 0 "
                          "ORDER BY key DESC LIMIT 1")
               .arg(run.date, run.time));
    if (k.next())
        run.key = k.value(0).toString();
    return run;
}

// The baseline: the run's statement, every column of every row fetched as
// a QVariant, nothing converted or drawn.
double bareRunReadMs(const Run &run, int *rows)
{
    QElapsedTimer timer;
    timer.start();
    QSqlQuery q;
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT * FROM SampleInfoTable WHERE DATE='%1' AND TIME='%2' AND ISDONE != 0 "
                          "ORDER BY key DESC;")
               .arg(run.date, run.time));
    qint64 sum = 0;
    int count = 0;
    while (q.next()) {
        for (int c = 0; c < 92; ++c)
            sum += q.value(c).userType();
        ++count;
    }
    *rows = count + int(sum & 0);
    return timer.nsecsElapsed() / 1e6;
}

// Reference only: the run read plus one newest-row read per position.
double rereadMs(const Run &run)
{
    QElapsedTimer timer;
    timer.start();
    int rows = 0;
    bareRunReadMs(run, &rows);
    for (int pie = 0; pie < 16; ++pie) {
        QSqlQuery q;
        q.setForwardOnly(true);
        q.exec(QStringLiteral("SELECT * FROM SampleInfoTable WHERE DATE='%1' AND TIME='%2' AND ISDONE != 0 "
                              "AND PIEID='%3' ORDER BY key DESC;")
                   .arg(run.date, run.time, QString::number(pie)));
        if (q.next())
            rows += q.value(91).toInt() & 0;
    }
    return timer.nsecsElapsed() / 1e6;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    TestEnv env;
    QApplication app(argc, argv);
    int doneRows = 50000;
    const QStringList args = app.arguments();
    if (args.size() > 2 && args.at(1) == QLatin1String("--rows"))
        doneRows = args.at(2).toInt();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    DbManage db;
    if (!db.openDatabase() || !db.checkTables()) {
        out << "cannot open the database\n";
        return 1;
    }
    const QString path = TestEnv::instance()->path(QStringLiteral("bench_curves.db"));
    DemoDataBuilder::Options options;
    options.doneRows = doneRows;
    options.seed = 11;
    if (DemoDataBuilder::build(path, options) < doneRows || !db.replaceDatabase(path) ||
        SampleInfoAccess::getCount() != doneRows) {
        out << "cannot build the " << doneRows << "-row database\n";
        return 1;
    }
    const Run run = biggestRun();
    if (run.key.isEmpty()) {
        out << "no run found\n";
        return 1;
    }

    SampleSplineDlg dlg;
    QElapsedTimer open;
    open.start();
    dlg.updateDialog(run.key);
    const double openMs = open.nsecsElapsed() / 1e6;

    int runRows = 0;
    bareRunReadMs(run, &runRows); // warm the page cache once
    QVector<double> bare, toggle, reread;
    for (int i = 0; i < 21; ++i) {
        bare << bareRunReadMs(run, &runRows);
        QElapsedTimer timer;
        timer.start();
        // Alternating well and channel toggles; each pair returns to the start.
        if (i % 2 == 0)
            dlg.onBtnJudge(i % 8);
        else
            dlg.onFamHexBtnjudge(i % 4 == 1 ? 0 : 1);
        toggle << timer.nsecsElapsed() / 1e6;
        reread << rereadMs(run);
    }
    const double ratio = median(toggle) / median(bare);
    out << QStringLiteral("%1 done rows, run of %2 rows (%3 %4)\n").arg(doneRows).arg(runRows).arg(run.date, run.time);
    out << QStringLiteral("dialog open: %1 ms\n").arg(openMs, 0, 'f', 2);
    out << QStringLiteral("bare run read (median of 21): %1 ms\n").arg(median(bare), 0, 'f', 2);
    out << QStringLiteral("toggle (median of 21): %1 ms\n").arg(median(toggle), 0, 'f', 2);
    out << QStringLiteral("toggle (slowest of 21, a new axis top drawn): %1 ms\n")
               .arg(*std::max_element(toggle.cbegin(), toggle.cend()), 0, 'f', 2);
    out << QStringLiteral("reference, run + 16 position reads per toggle: %1 ms\n").arg(median(reread), 0, 'f', 2);
    out << QStringLiteral("toggle / bare read: %1 (goal <= 3.00) %2\n")
               .arg(ratio, 0, 'f', 2)
               .arg(ratio <= 3.0 ? QStringLiteral("met") : QStringLiteral("NOT met"));
    return ratio <= 3.0 ? 0 : 2;
}
