#include "support/testenv.h"

#include "review/curvesmoother.h"

#include <QPainterPath>

namespace {

QVector<double> flat(const QList<QPointF> &points)
{
    QVector<double> c;
    for (const QPointF &p : points)
        c << p.x() << p.y();
    return c;
}

} // namespace

class TestCurveSmoother : public QObject
{
    Q_OBJECT

private slots:
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
        for (int i = 0; i < samples.size(); ++i)
            QVERIFY2(qAbs(got[2 * i] - samples[i].x()) < 1e-9 && qAbs(got[2 * i + 1] - samples[i].y()) < 1e-9,
                     qPrintable(QStringLiteral("sample %1: %2,%3").arg(i).arg(got[2 * i]).arg(got[2 * i + 1])));
        QCOMPARE(coords, flat(points)); // the caller's list is left as it is

        // The path starts at the first sample and ends at the last; the
        // point list and flat list entries agree.
        const QPainterPath path = smoothCurvePath(points, closed, tension, segments);
        QCOMPARE(path, splinePathFromCoords(coords, closed, tension, segments));
        QCOMPARE(path.elementAt(0).type, QPainterPath::MoveToElement);
        QCOMPARE(QPointF(path.elementAt(0)), samples.first());
        QCOMPARE(QPointF(path.elementAt(path.elementCount() - 1)), closed ? samples.first() : samples.last());
    }

    // The dialog's curves: 40 points, 16 segments per span.
    void fortyPoints()
    {
        QList<QPointF> points;
        for (int i = 0; i < 40; ++i)
            points << QPointF(55 + i * 745 / 39.0, 416 - (i * i) % 97);
        const QVector<double> samples = splineSamples(flat(points), false, 0.5, 16);
        QCOMPARE(samples.size(), 663 * 2);
        int repeats = 0;
        for (int i = 2; i < samples.size(); i += 2)
            repeats += samples[i] == samples[i - 2] && samples[i + 1] == samples[i - 1] ? 1 : 0;
        QCOMPARE(repeats, 38);
        // Every input point is a sample, at the end of its span.
        for (int p = 1; p < 40; ++p)
            QCOMPARE(QPointF(samples[(p * 17 - 1) * 2], samples[(p * 17 - 1) * 2 + 1]), points[p]);
        const QPainterPath path = smoothCurvePath(points, false, 0.5, 16);
        QCOMPARE(path.elementCount(), 625);
        QCOMPARE(QPointF(path.elementAt(0)), points.first());
        QCOMPARE(QPointF(path.elementAt(624)), points.last());
    }

    // Too few points, a span without steps or an odd flat list: nothing.
    void degenerate_data()
    {
        QTest::addColumn<QVector<double>>("coords");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("segments");
        QTest::newRow("no point") << QVector<double>{} << false << 16;
        QTest::newRow("no point closed") << QVector<double>{} << true << 16;
        QTest::newRow("one point") << QVector<double>{3, 4} << false << 16;
        QTest::newRow("one point closed") << QVector<double>{3, 4} << true << 16;
        QTest::newRow("half a point") << QVector<double>{3} << false << 16;
        QTest::newRow("odd list") << QVector<double>{0, 0, 8} << false << 16;
        QTest::newRow("zero segments") << QVector<double>{0, 0, 8, 4} << false << 0;
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
};

VIREON_TEST_MAIN(TestCurveSmoother)
#include "tst_curvesmoother.moc"
