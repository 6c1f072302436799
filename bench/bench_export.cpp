// The single-table workbook of 100,000 history-like records (46 cells each)
// against writing the very same bytes with one buffered QFile write, both
// into the same folder in the same run. Run by hand:
//   bench_export [--rows N] [--runs N]   (defaults 100000 and 3)
// The ratio is the best writer time over the best baseline time.

#include "support/testenv.h"

#include "export/excelapi.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {

QTextStream out(stdout);

QStringList buildRows(int rows)
{
    QStringList content;
    content.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QStringList cells{QString::number(r % 8 + 1),   QStringLiteral("S%1").arg(r / 8, 6, 10, QLatin1Char('0')),
                          QStringLiteral("犬細小病毒"), QStringLiteral("23.4567"),
                          QStringLiteral("+"),          QStringLiteral("2024年03月01日 09:15:00")};
        for (int i = 0; i < 40; ++i)
            cells << QString::number(1000 + (r * 7 + i * 13) % 9000);
        content << cells.join(QLatin1Char(';'));
    }
    return content;
}

QList<QString> columnNames()
{
    QList<QString> names{QStringLiteral("孔位"), QStringLiteral("样本ID"), QStringLiteral("检测项"),
                         QStringLiteral("Ct值"), QStringLiteral("结果"),   QStringLiteral("日期/时间")};
    for (int i = 1; i <= 40; ++i)
        names << QStringLiteral("数据%1").arg(i);
    return names;
}

double writerMs(const QString &path, const QStringList &content)
{
    QList<int> widths{50, 70, 70, 50, 50, 100};
    for (int i = 0; i < 40; ++i)
        widths << 50;
    QElapsedTimer timer;
    timer.start();
    const bool ok = ExcelAPI::getInstance()->saveExcel(path, QStringLiteral("历史数据"), QStringLiteral("所有数据列表"),
                                                       QString(), columnNames(), widths, content, true, false, 5,
                                                       QStringLiteral("=="), QStringLiteral("重量报警"));
    const double ms = timer.nsecsElapsed() / 1e6;
    return ok ? ms : -1;
}

double baselineMs(const QString &path, const QByteArray &bytes)
{
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return -1;
    const bool ok = file.write(bytes) == bytes.size();
    file.close();
    const double ms = timer.nsecsElapsed() / 1e6;
    return ok ? ms : -1;
}

int argValue(const QStringList &args, const QString &name, int fallback)
{
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : fallback;
}

} // namespace

int main(int argc, char *argv[])
{
    TestEnv env;
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rows = argValue(args, QStringLiteral("--rows"), 100000);
    const int runs = std::max(1, argValue(args, QStringLiteral("--runs"), 3));

    const QStringList content = buildRows(rows);
    const QString workbook = env.path(QStringLiteral("bench.xls"));
    const QString copy = env.path(QStringLiteral("baseline.xls"));

    double bestWriter = 1e300, bestBase = 1e300;
    QByteArray bytes;
    for (int run = 0; run < runs; ++run) {
        const double w = writerMs(workbook, content);
        if (w < 0) {
            out << "workbook could not be written\n";
            return 1;
        }
        if (bytes.isEmpty()) {
            QFile f(workbook);
            f.open(QIODevice::ReadOnly);
            bytes = f.readAll();
        }
        const double b = baselineMs(copy, bytes);
        if (b < 0) {
            out << "baseline could not be written\n";
            return 1;
        }
        bestWriter = std::min(bestWriter, w);
        bestBase = std::min(bestBase, b);
        out << QStringLiteral("run %1: workbook %2 ms, one buffered write %3 ms\n")
                   .arg(run + 1)
                   .arg(w, 0, 'f', 1)
                   .arg(b, 0, 'f', 1);
        out.flush();
    }
    out << QStringLiteral("%1 records, %2 MB: workbook %3 ms, baseline %4 ms, ratio %5 (goal <= 2)\n")
               .arg(rows)
               .arg(bytes.size() / 1e6, 0, 'f', 1)
               .arg(bestWriter, 0, 'f', 1)
               .arg(bestBase, 0, 'f', 1)
               .arg(bestWriter / bestBase, 0, 'f', 2);
    QFile::remove(workbook);
    QFile::remove(copy);
    return 0;
}
