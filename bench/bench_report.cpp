// The report dialog's cost per keystroke and per opening, on a demo database
// of 10,000 done records with a 1000 x 500 hospital logo, against a floor
// measured in the same run: one white fill of the 4000 x 5600 page and one
// smooth scale of it to the 800-pixel preview. Also counts the page paints.
// Run by hand:
//   bench_report [--rows N]   (default 10000)

#include "support/testenv.h"

#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"
#include "review/drawprinttemplate.h"
#include "review/reportrecord.h"
#include "review/samplereportdlg.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

QTextStream out(stdout);
constexpr int kRepeats = 15;

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

template <typename F> double timeMs(F f)
{
    QElapsedTimer timer;
    timer.start();
    f();
    return timer.nsecsElapsed() / 1e6;
}

bool install(DbManage &db, int doneRows)
{
    const QString path = TestEnv::instance()->path(QStringLiteral("bench_report.db"));
    DemoDataBuilder::Options options;
    options.doneRows = doneRows;
    options.seed = 11;
    return DemoDataBuilder::build(path, options) >= doneRows && db.replaceDatabase(path) &&
           SampleInfoAccess::getCount() == doneRows;
}

// The newest run with the most records (at most 8), as the history page
// would pair it.
QStringList pairedKeys()
{
    QSqlQuery q;
    q.exec(QStringLiteral("SELECT SampleId, date, time, COUNT(*) AS n FROM SampleInfoTable WHERE ISDONE != 0 "
                          "GROUP BY SampleId, date, time HAVING n <= 8 ORDER BY n DESC, date DESC LIMIT 1"));
    if (!q.next())
        return {};
    QSqlQuery keys;
    keys.prepare(QStringLiteral("SELECT Key FROM SampleInfoTable WHERE SampleId=? AND date=? AND time=? AND "
                                "ISDONE != 0 ORDER BY key DESC"));
    keys.addBindValue(q.value(0));
    keys.addBindValue(q.value(1));
    keys.addBindValue(q.value(2));
    keys.exec();
    QStringList list;
    while (keys.next())
        list << keys.value(0).toString();
    return list;
}

void writeLogo()
{
    QDir().mkpath(QStringLiteral("./app/Logo"));
    QImage logo(1000, 500, QImage::Format_ARGB32);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor::fromHsv(i * 9, 200, 220));
        p.drawEllipse(QPointF(25 * i, 250 + 200 * std::sin(i / 4.0)), 60, 60);
    }
    p.end();
    logo.save(DrawPrintTemplate::hospitalLogoPath(), "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    TestEnv env;
    QApplication app(argc, argv);
    int rows = 10000;
    const QStringList args = app.arguments();
    if (args.size() > 2 && args.at(1) == QLatin1String("--rows"))
        rows = args.at(2).toInt();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    DbManage db;
    if (!db.openDatabase() || !db.checkTables() || !install(db, rows)) {
        out << "cannot build the database\n";
        return 1;
    }
    writeLogo();
    const QStringList keys = pairedKeys();
    if (keys.isEmpty()) {
        out << "no run found\n";
        return 1;
    }

    // Floor: what any repaint of the preview costs at the least.
    QPixmap page(DrawPrintTemplate::kPageWidth, DrawPrintTemplate::kPageHeight);
    QVector<double> floor;
    for (int i = 0; i < kRepeats; ++i) {
        floor << timeMs([&]() {
            page.fill(Qt::white);
            QPixmap preview = page.scaledToWidth(SampleReportDlg::kPreviewWidth, Qt::SmoothTransformation);
            Q_UNUSED(preview)
        });
    }

    // What a keystroke would cost if it read the run twice again.
    SampleInfoAccess access;
    access.findKeyModel(keys.first());
    const SampleInfoModel *first = access.m_listModel.first();
    QVector<double> reads;
    for (int i = 0; i < kRepeats; ++i) {
        reads << timeMs([&]() {
            ReportRecord::loadResultList(keys, first->SampleId, first->date, first->time);
            ReportRecord::loadCurveData(keys, first->SampleId, first->date, first->time);
        });
    }

    DrawPrintTemplate *painter = DrawPrintTemplate::getInstance();
    // The paint alone, on a record with every field and eight curves.
    ReportRecord record;
    record.petInfo = QStringList{"Alice", "Rex", "Dog", "2024.03.01", "Beagle", "M", "3", "Blood", "C-17"};
    record.symptom = QStringList{"fever\ncough"};
    record.hospitalInfo = ReportRecord::hospitalInfoFromSettings();
    ReportRecord::loadRun(keys, first->SampleId, first->date, first->time, &record.dataList, &record.CurveData);
    QVector<double> paints;
    for (int i = 0; i < kRepeats; ++i)
        paints << timeMs([&]() { painter->drawReport(record, &page); });

    QVector<double> opens;
    QVector<quint64> openPaints;
    for (int i = 0; i < kRepeats; ++i) {
        auto *dlg = new SampleReportDlg;
        const quint64 before = painter->paintCount();
        opens << timeMs([&]() { dlg->updateDialog(QVariant(keys)); });
        openPaints << painter->paintCount() - before;
        delete dlg;
    }

    SampleReportDlg dlg;
    dlg.updateDialog(QVariant(keys));
    dlg.resize(1400, 900);
    dlg.show();
    QCoreApplication::processEvents();
    auto *owner = dlg.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    owner->setFocus();
    QVector<double> keystrokes;
    quint64 before = painter->paintCount();
    for (int i = 0; i < kRepeats; ++i) {
        keystrokes << timeMs([&]() {
            QTest::keyClick(owner, Qt::Key_A);
            QCoreApplication::processEvents(); // the queued repaint
        });
    }
    const quint64 typedPaints = painter->paintCount() - before;

    // Ten keystrokes one by one, then ten in one burst.
    before = painter->paintCount();
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(owner, Qt::Key_B);
        QCoreApplication::processEvents();
    }
    const quint64 tenSingle = painter->paintCount() - before;
    before = painter->paintCount();
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(owner, Qt::Key_C);
    dlg.flushPrintTemplate();
    const quint64 tenBurst = painter->paintCount() - before;

    const double f = median(floor);
    out << QStringLiteral("rows %1, run of %2 records, logo 1000 x 500, medians of %3\n")
               .arg(rows)
               .arg(keys.size())
               .arg(kRepeats);
    out << QStringLiteral("floor (fill + smooth scale)        %1 ms\n").arg(f, 0, 'f', 1);
    out << QStringLiteral("keystroke (rebuild, paint, scale)  %1 ms  = %2 x floor (goal <= 3)\n")
               .arg(median(keystrokes), 0, 'f', 1)
               .arg(median(keystrokes) / f, 0, 'f', 2);
    out << QStringLiteral("opening (updateDialog)             %1 ms  = %2 x floor (goal <= 5)\n")
               .arg(median(opens), 0, 'f', 1)
               .arg(median(opens) / f, 0, 'f', 2);
    out << QStringLiteral("page paint alone, caches warm      %1 ms  = %2 x floor\n")
               .arg(median(paints), 0, 'f', 1)
               .arg(median(paints) / f, 0, 'f', 2);
    out << QStringLiteral("two reads of the run (not per key) %1 ms  = %2 x floor\n")
               .arg(median(reads), 0, 'f', 1)
               .arg(median(reads) / f, 0, 'f', 2);
    out << QStringLiteral("paints: opening %1, %2 typed keys %3, ten keys one by one %4, ten keys in a burst %5\n")
               .arg(median(QVector<double>(openPaints.begin(), openPaints.end())))
               .arg(kRepeats)
               .arg(typedPaints)
               .arg(tenSingle)
               .arg(tenBurst);
    out << "\n";
    return 0;
}
