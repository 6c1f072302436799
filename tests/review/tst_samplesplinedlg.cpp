#include "support/testenv.h"

#include "pages/historyfixture.h"

#include "core/common.h"
#include "core/systemconfig.h"
#include "review/curvesmoother.h"
#include "review/samplesplinedlg.h"
#include "shell/appearance.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>

namespace {

const QString kDate = QStringLiteral("20240305");
const QString kTime = QStringLiteral("101500");

// A done row of the test run; every cycle holds `level`, the last `last`.
DemoSampleRow curveRow(int seq, const QString &pie, int done, int level, int last = -1, double ct = 41.0,
                       int result = 1, const QString &sampleId = QStringLiteral("S1"))
{
    DemoSampleRow r = HistoryFixture::row(kDate + QStringLiteral("%1").arg(seq, 5, 10, QLatin1Char('0')), sampleId, pie,
                                          result, kDate, kTime, ct, 1, done);
    for (int i = 0; i < 40; ++i)
        r.prodata[i] = quint16(level);
    r.prodata[39] = quint16(last < 0 ? level : last);
    return r;
}

using Table = QList<QStringList>;

QVector<double> flat(const QList<QPointF> &points)
{
    QVector<double> c;
    for (const QPointF &p : points)
        c << p.x() << p.y();
    return c;
}

} // namespace

class TestSampleSplineDlg : public QObject
{
    Q_OBJECT

private:
    DbManage m_db;

    static QTableView *table(SampleSplineDlg *dlg) { return dlg->findChild<QTableView *>("sampleInfoTableView"); }
    static QAbstractButton *well(SampleSplineDlg *dlg, int n)
    {
        return dlg->findChild<QToolButton *>(QStringLiteral("splinetoolButton%1").arg(n));
    }
    static QCheckBox *box(SampleSplineDlg *dlg, const char *name) { return dlg->findChild<QCheckBox *>(name); }
    // What the table view shows, row by row.
    static Table tableTexts(SampleSplineDlg *dlg)
    {
        Table rows;
        QAbstractItemModel *model = table(dlg)->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList texts;
            for (int c = 0; c < model->columnCount(); ++c)
                texts << model->index(r, c).data().toString();
            rows << texts;
        }
        return rows;
    }
    static QStringList column(SampleSplineDlg *dlg, int c)
    {
        QStringList out;
        for (const QStringList &r : tableTexts(dlg))
            out << r.value(c);
        return out;
    }
    static QColor pixel(SampleSplineDlg *dlg, int x, int y) { return dlg->chartPixmap().toImage().pixelColor(x, y); }
    // The dotted threshold: red dots along the row.
    static int redDots(SampleSplineDlg *dlg, int y)
    {
        int red = 0;
        for (int x = 60; x < 795; ++x)
            red += pixel(dlg, x, y) == QColor(Qt::red) ? 1 : 0;
        return red;
    }

    static void checkShownLabel(QLabel *label, QWidget *viewport, const QString &sampleId, int charWidth,
                                const QPoint &at)
    {
        QCOMPARE(label->isVisible() ? label->text() : QString(), sampleId);
        QVERIFY(label->width() >= sampleId.length() * charWidth); // the label has the width
        // At the pointer in viewport coordinates (placement rules: tst_celltiplabel).
        QCOMPARE(label->pos().y(), viewport->mapFromGlobal(at).y());
        QCOMPARE(viewport->grab().toImage().pixelColor(label->mapTo(viewport, QPoint(2, 2))), QColor("#FFFBE6"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_db.openDatabase());
        QVERIFY(m_db.checkTables());
    }

    // Sample lists worked out by hand from the Hermite blend.
    void exactSamples_data()
    {
        QTest::addColumn<QList<QPointF>>("points");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<double>("tension");
        QTest::addColumn<int>("segments");
        QTest::addColumn<QList<QPointF>>("samples");
        QTest::newRow("two points, Catmull-Rom")
            << QList<QPointF>{{0, 0}, {8, 4}} << false << 0.5 << 4
            << QList<QPointF>{{0, 0}, {1.625, 0.8125}, {4, 2}, {6.375, 3.1875}, {8, 4}};
        QTest::newRow("tension 0: straight midpoints")
            << QList<QPointF>{{0, 0}, {10, 0}, {10, 10}} << false << 0.0 << 2
            << QList<QPointF>{{0, 0}, {5, 0}, {10, 0}, {10, 0}, {10, 5}, {10, 10}};
        QTest::newRow("one segment: the knots, inner ones twice")
            << QList<QPointF>{{1, 2}, {3, 5}, {7, 1}} << false << 0.5 << 1
            << QList<QPointF>{{1, 2}, {3, 5}, {3, 5}, {7, 1}};
        QTest::newRow("closed: first span from the last point")
            << QList<QPointF>{{0, 0}, {4, 0}, {0, 4}} << true << 0.5 << 1
            << QList<QPointF>{{0, 4}, {0, 0}, {0, 0}, {4, 0}, {4, 0}, {0, 4}};
        // Inner span of evenly spaced collinear points: evenly spaced samples.
        QTest::newRow("collinear even")
            << QList<QPointF>{{0, 0}, {2, 2}, {4, 4}, {6, 6}} << false << 0.5 << 4
            << QList<QPointF>{{0, 0}, {0.359375, 0.359375}, {0.875, 0.875}, {1.453125, 1.453125}, {2, 2},
                              {2, 2}, {2.5, 2.5},           {3, 3},         {3.5, 3.5},           {4, 4},
                              {4, 4}, {4.546875, 4.546875}, {5.125, 5.125}, {5.640625, 5.640625}, {6, 6}};
    }
    void exactSamples()
    {
        QFETCH(QList<QPointF>, points);
        QFETCH(bool, closed);
        QFETCH(double, tension);
        QFETCH(int, segments);
        QFETCH(QList<QPointF>, samples);
        const QVector<double> coords = flat(points), got = splineSamples(coords, closed, tension, segments);
        QCOMPARE(got.size(), samples.size() * 2);
        for (int i = 0; i < samples.size(); ++i) {
            const QString at = QStringLiteral("sample %1: %2,%3").arg(i).arg(got[2 * i]).arg(got[2 * i + 1]);
            QVERIFY2(qAbs(got[2 * i] - samples[i].x()) < 1e-9, qPrintable(at));
            QVERIFY2(qAbs(got[2 * i + 1] - samples[i].y()) < 1e-9, qPrintable(at));
        }

        // The path runs from the first sample to the last; both entries agree.
        const QPainterPath path = smoothCurvePath(points, closed, tension, segments);
        QCOMPARE(path, splinePathFromCoords(coords, closed, tension, segments));
        QCOMPARE(QPointF(path.elementAt(0)), samples.first());
        QCOMPARE(QPointF(path.elementAt(path.elementCount() - 1)), closed ? samples.first() : samples.last());
    }

    // Too few points, a span without steps or an odd flat list: nothing.
    void degenerate_data()
    {
        QTest::addColumn<QVector<double>>("coords");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("segments");
        QTest::newRow("no point closed") << QVector<double>{} << true << 16;
        QTest::newRow("one point") << QVector<double>{3, 4} << false << 16;
        QTest::newRow("odd list") << QVector<double>{0, 0, 8} << false << 16;
        QTest::newRow("negative segments") << QVector<double>{0, 0, 8, 4} << false << -3;
        QTest::newRow("zero segments closed") << QVector<double>{0, 0, 8, 4, 1, 1} << true << 0;
    }
    void degenerate()
    {
        QFETCH(QVector<double>, coords);
        QFETCH(bool, closed);
        QFETCH(int, segments);
        QVERIFY(splineSamples(coords, closed, 0.5, segments).isEmpty());
        QCOMPARE(splinePathFromCoords(coords, closed, 0.5, segments).elementCount(), 0);
    }

    // Box, ticks, threshold and curve pixels at their computed rows.
    void chartPixels_data()
    {
        QTest::addColumn<QString>("pie");
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("level");
        QTest::addColumn<QColor>("color");
        // yMax 400: y = 416 - level * 0.99, whole rows for these levels.
        QTest::newRow("FAM well 1") << "0" << 1 << 100 << QColor("#ff3300");
        QTest::newRow("FAM well 8") << "7" << 1 << 200 << QColor("#ffff00");
        QTest::newRow("VIC well 2") << "9" << 2 << 300 << QColor("#33ff99");
        QTest::newRow("VIC well 8") << "15" << 2 << 100 << QColor("#cc0000");
    }
    void chartPixels()
    {
        QFETCH(QString, pie);
        QFETCH(int, done);
        QFETCH(int, level);
        QFETCH(QColor, color);
        QVERIFY(HistoryFixture::replaceWith({curveRow(1, pie, done, level)}));
        SampleSplineDlg dlg;
        dlg.updateDialog(kDate + "00001");
        QCOMPARE(dlg.yMaximum(), 400);
        QCOMPARE(dlg.chartPixmap().size(), QSize(820, 500));
        const int y = 416 - level * 99 / 100;
        for (int x : {100, 400, 700}) {
            QCOMPARE(pixel(&dlg, x, y), color);
            QCOMPARE(pixel(&dlg, x, y - 1), color);
            QCOMPARE(pixel(&dlg, x, y - 3).alpha(), 0);
        }
        // y ticks: a 2-pixel pen on the row above and the row itself.
        for (int yk : {416, 377, 337, 298, 258, 218, 179, 139, 100, 60, 20})
            QCOMPARE(pixel(&dlg, 53, yk - 1), QColor(Qt::black));
        QCOMPARE(pixel(&dlg, 53, 396).alpha(), 0);
        // Threshold 40 at row 376, dotted: red dots on it, nothing above.
        QVERIFY(redDots(&dlg, 375) > 100);
        for (int x = 60; x < 795; ++x)
            QCOMPARE(pixel(&dlg, x, 372).alpha(), 0);
        // Box corners and an x tick (cycle 40 at x 800).
        QVERIFY(pixel(&dlg, 55, 300).alpha());
        QVERIFY(pixel(&dlg, 800, 300).alpha());
        QVERIFY(pixel(&dlg, 430, 20).alpha());
        QCOMPARE(pixel(&dlg, 430, 10).alpha(), 0);
    }

    // The axis top is the next multiple of 100 above the run's largest last-cycle value, at least 400. The labels read
    // 0 and its tenths up the side, and the cycles 1, 4 ... 40 along the foot: each cell of the chart holds exactly its
    // text drawn in the chart's font, and nothing else.
    void axisLabelsRead_data()
    {
        QTest::addColumn<int>("runMax");
        QTest::addColumn<int>("yMax");
        for (const auto &c : QVector<QPair<int, int>>{{0, 400}, {399, 400}, {400, 500}, {1234, 1300}, {65535, 65600}})
            QTest::newRow(qPrintable(QString::number(c.first))) << c.first << c.second;
    }
    void axisLabelsRead()
    {
        QFETCH(int, runMax);
        QFETCH(int, yMax);
        // The largest value sits on an older, other-position row: the opening scan counts every row of the run.
        QVERIFY(HistoryFixture::replaceWith({curveRow(1, "1", 1, 10, runMax), curveRow(2, "0", 1, 10, 5)}));
        SampleSplineDlg dlg;
        dlg.updateDialog(kDate + "00002");
        QCOMPARE(dlg.yMaximum(), yMax);
        const QImage chart = dlg.chartPixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // The text alone in a cell of the chart, as the chart's painter draws it.
        auto alone = [&](const QRect &cell, int flags, const QString &text) {
            QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setFont(QFont(QStringLiteral("Microsoft YaHei"), 10, QFont::Normal));
            p.setPen(QPen(QBrush(Qt::black), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
            p.drawText(cell, flags | Qt::TextDontClip, text);
            p.end();
            return image;
        };
        // The text has ink, all of it in the region read, and the chart there is exactly that text.
        auto check = [&](const QRect &cell, const QRect &region, int flags, const QString &text, const QString &what) {
            const QImage expected = alone(cell, flags, text);
            QRect ink;
            for (int y = 0; y < expected.height(); ++y)
                for (int x = 0; x < expected.width(); ++x)
                    ink |= qAlpha(expected.pixel(x, y)) != 0 ? QRect(x, y, 1, 1) : QRect();
            QVERIFY2(!ink.isNull(), qPrintable(what + ": no ink"));
            QVERIFY2(region.contains(ink), qPrintable(what + ": ink outside the region read"));
            QVERIFY2(expected.copy(region) == chart.copy(region), qPrintable(what + " does not read " + text));
        };
        const int y0 = 416;
        for (int k = 0; k <= 10; ++k) {
            const int yk = y0 - (k * 396) / 10;
            const QRect cell(4, yk - 10, 46, 20);
            const QString text = QString::number(int(k * (yMax / 10.0)));
            check(cell, cell, Qt::AlignRight, text, QString("y label %1").arg(k));
        }
        for (int j = 0; j <= 13; ++j) {
            const int x = 55 + (3 * j * 745) / 39;
            const QRect cell(x - 10, 460, 20, 20);
            // Below the box's foot and the axis line.
            const QRect region(x - 10, 462, 20, 18);
            const QString text = QString::number(1 + 3 * j);
            check(cell, region, Qt::AlignCenter, text, QString("x label %1").arg(j));
        }
    }

    // Keys descending, every text of a row; Ct texts shared with the page
    // (a value just under 41 reads "41", not "0"; every code: tst_reportrecord).
    void tableRows()
    {
        QVERIFY(HistoryFixture::replaceWith({
            curveRow(1, "0", 1, 10, -1, 41.0, 0),
            curveRow(2, "1", 1, 10, -1, 24.5, 1),
            curveRow(3, "2", 1, 10, -1, 33.12345678, 2),
            curveRow(4, "8", 2, 10, -1, 40.9999999, 5),
        }));
        SampleSplineDlg dlg;
        dlg.updateDialog(kDate + "00003");
        const QString item = Common::getInstance()->getItemName(1);
        QVERIFY(!item.isEmpty());
        const Table expected{{"S1", item, "41", "Invalid"},
                             {"S1", item, "33.1235", "+"},
                             {"S1", item, "24.5", "-"},
                             {"S1", item, "0", "++"}};
        QCOMPARE(tableTexts(&dlg), expected);
        QCOMPARE(dlg.shownRows(), expected);
        QCOMPARE(table(&dlg)->model()->headerData(2, Qt::Horizontal).toString(), QString("Ct"));
    }

    // Toggles: a well button hides both of its positions, a channel box every row of its done flag; the axis then
    // counts only the newest row of each shown position.
    void toggles_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // 1-8 well buttons, 0 FAM, 9 VIC
        QTest::addColumn<QStringList>("sampleIds");
        QTest::addColumn<int>("yMax");
        const QStringList all{"V5", "B8", "B1", "A1", "B0", "A0"};
        QTest::newRow("none") << QList<int>{} << all << 1000;
        QTest::newRow("well 1 off") << QList<int>{1} << QStringList{"V5", "B1", "A1"} << 400;
        QTest::newRow("well 1 off and on") << QList<int>{1, 1} << all << 600;
        QTest::newRow("well 2 off") << QList<int>{2} << QStringList{"V5", "B8", "B0", "A0"} << 600;
        QTest::newRow("FAM off") << QList<int>{0} << QStringList{"V5", "B8"} << 600;
        QTest::newRow("VIC off") << QList<int>{9} << QStringList{"B1", "A1", "B0", "A0"} << 400;
        QTest::newRow("both off") << QList<int>{0, 9} << QStringList{} << 400;
        // Well 3 has no row: its flags go on, nothing more is drawn.
        QTest::newRow("empty well 3 on") << QList<int>{3} << all << 600;
    }
    void toggles()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, sampleIds);
        QFETCH(int, yMax);
        // Position 0 twice: the newest (B0) ends at 350, the older at 950.
        QVERIFY(HistoryFixture::replaceWith({
            curveRow(1, "0", 1, 10, 950, 41.0, 1, "A0"), curveRow(2, "0", 1, 10, 350, 41.0, 1, "B0"),
            curveRow(3, "1", 1, 10, 120, 41.0, 1, "A1"), curveRow(4, "1", 1, 10, 130, 41.0, 1, "B1"),
            curveRow(5, "8", 2, 10, 510, 41.0, 1, "B8"),
            curveRow(6, "12", 2, 10, 10, 41.0, 1, "V5"), // VIC only, in well 5
        }));
        SampleSplineDlg dlg;
        dlg.updateDialog(kDate + "00001");
        // The buttons follow the FAM positions: well 5 stays disabled, yet its VIC row is drawn while "VIC" is checked.
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(well(&dlg, n)->isEnabled(), n <= 2);
            QCOMPARE(well(&dlg, n)->isChecked(), n <= 2);
        }
        QVERIFY(box(&dlg, "famCheckBox")->isChecked());
        QVERIFY(box(&dlg, "hexCheckBox")->isChecked());
        for (int c : clicks) {
            QAbstractButton *b = c == 0 ? box(&dlg, "famCheckBox") : c == 9 ? box(&dlg, "hexCheckBox") : well(&dlg, c);
            b->setEnabled(true); // the user cannot click a disabled button; the flags can still be toggled
            b->click();
        }
        QCOMPARE(column(&dlg, 0), sampleIds);
        QCOMPARE(dlg.yMaximum(), yMax);
        // Refreshes reuse the one table model.
        QCOMPARE(dlg.findChildren<QStandardItemModel *>().size(), 1);
        QCOMPARE(table(&dlg)->model(), dlg.findChild<QStandardItemModel *>());
    }

    // Drawings are kept per axis top: going back and forth between two
    // tops redraws the curve and the threshold at the right rows each time.
    void chartFollowsAxisTop()
    {
        QVERIFY(HistoryFixture::replaceWith({curveRow(1, "1", 1, 10, 950), curveRow(2, "0", 1, 500)}));
        SampleSplineDlg dlg;
        dlg.updateDialog(kDate + "00002");
        // yMax, curve row (416 - 500 * 396 / yMax) and threshold row; well 2 clicked before each step but the first.
        const QVector<QVector<int>> steps{{1000, 218, 400}, {600, 86, 389}, {1000, 218, 400}, {600, 86, 389}};
        for (int i = 0; i < steps.size(); ++i) {
            const QVector<int> &step = steps[i];
            if (i > 0)
                well(&dlg, 2)->click();
            QCOMPARE(dlg.yMaximum(), step[0]);
            for (int x : {200, 600}) {
                QCOMPARE(pixel(&dlg, x, step[1]), QColor("#ff3300"));
                QCOMPARE(pixel(&dlg, x, step[1] - 1), QColor("#ff3300"));
            }
            QCOMPARE(pixel(&dlg, 600, step[1] == 218 ? 86 : 218).alpha(), 0);
            QVERIFY(redDots(&dlg, step[2] - 1) > 100);
        }
    }

    // Positions outside 0-15, positions that are no number and done flags
    // other than 1 or 2 are left out of flags, axis, curves and table.
    void badRowsSkipped()
    {
        QVERIFY(HistoryFixture::replaceWith({
            curveRow(1, "0", 1, 100, -1, 20.0, 1, "GOOD"),
            curveRow(2, "16", 1, 10, 5000, 20.0, 1, "P16"),
            curveRow(3, "-1", 1, 10, 5000, 20.0, 1, "PNEG"),
            curveRow(4, "4096", 2, 10, 5000, 20.0, 1, "PBIG"),
            curveRow(5, "x", 1, 10, 5000, 20.0, 1, "PTXT"),
            curveRow(6, "3", 3, 10, 5000, 20.0, 1, "DONE3"),
            curveRow(7, "3", 255, 10, 5000, 20.0, 1, "DONE255"),
        }));
        SampleSplineDlg dlg;
        dlg.updateDialog(kDate + "00004");
        QCOMPARE(column(&dlg, 0), QStringList{"GOOD"});
        QCOMPARE(dlg.yMaximum(), 400);
        for (int n = 1; n <= 8; ++n)
            QCOMPARE(well(&dlg, n)->isEnabled(), n == 1);
        for (int c : {4, 1, 1}) {
            well(&dlg, c)->setEnabled(true);
            QTest::mouseClick(well(&dlg, c), Qt::LeftButton);
        }
        QCOMPARE(column(&dlg, 0), QStringList{"GOOD"});
        QCOMPARE(dlg.yMaximum(), 400);
        QCOMPARE(pixel(&dlg, 400, 416 - 99), QColor("#ff3300"));

        // A last-cycle value at the top of the int range: no overflowing axis top, the curve simply runs off the chart.
        QVERIFY(QSqlQuery().exec(
            QStringLiteral("UPDATE SampleInfoTable SET prodata40 = 2147483647 WHERE key = '%1'").arg(kDate + "00001")));
        SampleSplineDlg huge;
        huge.updateDialog(kDate + "00001");
        QCOMPARE(column(&huge, 0), QStringList{"GOOD"});
        QCOMPARE(huge.yMaximum(), 16777300);
    }

    // An empty key or one the database no longer holds closes the dialog
    // and leaves it empty; toggles on it do nothing harmful.
    void missingKey_data()
    {
        QTest::addColumn<QVariant>("payload");
        QTest::newRow("empty") << QVariant(QString());
        QTest::newRow("gone") << QVariant(QString("2099010100001"));
        QTest::newRow("not done") << QVariant(kDate + "00002");
        QTest::newRow("quote") << QVariant(QString("x' OR '1'='1"));
        QTest::newRow("int") << QVariant(-1);
    }
    void missingKey()
    {
        QFETCH(QVariant, payload);
        QVERIFY(HistoryFixture::replaceWith({curveRow(1, "0", 1, 10), curveRow(2, "1", 0, 10)}));
        SampleSplineDlg dlg;
        QSignalSpy events(&dlg, &IDialogWidget::sendEvent);
        dlg.updateDialog(payload);
        QCOMPARE(events.count(), 1);
        QCOMPARE(events.first().value(0).toInt(), int(IDialogWidget::DLG_EVENT_CLOSE));
        QVERIFY(dlg.chartPixmap().isNull());
        QCOMPARE(table(&dlg)->model()->rowCount(), 0);
        for (int n : {0, 8, -1})
            dlg.onBtnJudge(n);
        for (int c : {2, 1})
            dlg.onFamHexBtnjudge(c);
        QCOMPARE(table(&dlg)->model()->rowCount(), 0);
    }

    // The run stays in memory: replacing the rows under an open dialog changes nothing it shows, and nothing crashes.
    void rowsGoneUnderOpenDialog()
    {
        QVERIFY(HistoryFixture::replaceWith({curveRow(1, "0", 1, 10), curveRow(2, "1", 1, 10)}));
        SampleSplineDlg dlg;
        dlg.updateDialog(kDate + "00001");
        QVERIFY(HistoryFixture::clear());
        for (const QStringList &shown : {QStringList{"S1"}, QStringList{"S1", "S1"}}) {
            QTest::mouseClick(well(&dlg, 2), Qt::LeftButton);
            QCOMPARE(column(&dlg, 0), shown);
        }
    }

    // The floating label: per-character width by language and size, at the pointer in the viewport, not over the Ct
    // column, hidden by a move and by a table refresh.
    void tipLabel_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<QString>("sampleId");
        QTest::newRow("english medium") << 1 << 1 << 9 << "LONGSAMPLEID";
        QTest::newRow("spanish small") << 2 << 0 << 7 << "MUESTRA";
        QTest::newRow("chinese large") << 0 << 2 << 25 << "ABC";
        QTest::newRow("japanese small") << 5 << 0 << 15 << "検体サンプル九号検体";
        QTest::newRow("empty sample id") << 1 << 1 << 9 << "";
    }
    void tipLabel()
    {
        QFETCH(int, language);
        QFETCH(int, fontSize);
        QFETCH(int, charWidth);
        QFETCH(QString, sampleId);
        SystemConfig::getInstance()->setSystemLanguage(language);
        SystemConfig::getInstance()->setFontSize(quint8(fontSize));
        QVERIFY(HistoryFixture::replaceWith({curveRow(1, "0", 1, 10, -1, 25.0, 1, sampleId)}));
        SampleSplineDlg dlg;
        QCOMPARE(dlg.tipCharWidth(), charWidth);
        dlg.updateDialog(kDate + "00001");
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTableView *view = table(&dlg);
        QWidget *viewport = view->viewport();
        auto *label = view->findChild<QLabel *>(QStringLiteral("show_lab"));
        QVERIFY(label);
        QVERIFY(!label->isVisible());

        auto hover = [&](int column) {
            const QPoint at = view->visualRect(view->model()->index(0, column)).center();
            QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &move);
            QHelpEvent tip(QEvent::ToolTip, at, viewport->mapToGlobal(at));
            QCoreApplication::sendEvent(viewport, &tip);
            return viewport->mapToGlobal(at);
        };
        hover(2);
        QVERIFY(!label->isVisible());
        const QPoint at = hover(0);
        if (sampleId.isEmpty()) // over an empty cell the label stays hidden: no empty box
            QVERIFY(!label->isVisible());
        else
            checkShownLabel(label, viewport, sampleId, charWidth, at);
        if (QTest::currentTestFailed())
            return;
        hover(3);
        QCOMPARE(label->isVisible() ? label->text() : QString(), QString("-"));
        box(&dlg, "hexCheckBox")->click();
        QVERIFY(!label->isVisible());
    }

    // Under the program's style sheet, at every display size, a well that is on looks clearly different from one that
    // is off: their buttons' mean colours lie far apart.
    void checkedWellsStandOut_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("small") << 0;
        QTest::newRow("middle") << 1;
        QTest::newRow("large") << 2;
    }
    void checkedWellsStandOut()
    {
        QFETCH(int, size);
        const auto restore = qScopeGuard([] {
            qApp->setStyleSheet(QString());
            QApplication::setPalette(QApplication::style()->standardPalette());
        });
        Appearance::applyStyle(size);
        QVERIFY(HistoryFixture::replaceWith({curveRow(1, "0", 1, 10), curveRow(2, "1", 1, 10)}));
        SampleSplineDlg dlg;
        dlg.updateDialog(kDate + "00001");
        well(&dlg, 2)->click(); // well 2 off, well 1 stays on
        QVERIFY(well(&dlg, 1)->isChecked());
        QVERIFY(!well(&dlg, 2)->isChecked());
        auto mean = [](QWidget *button) {
            const QImage image = button->grab().toImage();
            qint64 r = 0, g = 0, b = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb c = image.pixel(x, y);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            const qint64 n = qMax(1, image.width() * image.height());
            return QColor(int(r / n), int(g / n), int(b / n));
        };
        const QColor on = mean(well(&dlg, 1));
        const QColor off = mean(well(&dlg, 2));
        const int distance = qAbs(on.red() - off.red()) + qAbs(on.green() - off.green()) + qAbs(on.blue() - off.blue());
        QVERIFY2(distance >= 60, qPrintable(QString("on %1, off %2").arg(on.name(), off.name())));
    }
};

VIREON_TEST_MAIN(TestSampleSplineDlg)
#include "tst_samplesplinedlg.moc"
