#include "review/curvesmoother.h"

namespace {

// The copy the sampler walks: a neighbour before the first and after the
// last point. An open curve doubles its end points; a closed one wraps round.
QVector<double> extended(const QVector<double> &c, bool closed)
{
    const int n = c.size();
    QVector<double> p;
    p.reserve(n + 6);
    if (closed) {
        p << c[n - 2] << c[n - 1] << c[n - 2] << c[n - 1];
        p += c;
        p << c[0] << c[1];
    } else {
        p << c[0] << c[1];
        p += c;
        p << c[n - 2] << c[n - 1];
    }
    return p;
}

} // namespace

QVector<double> splineSamples(const QVector<double> &coords, bool closed, double tension, int segments)
{
    QVector<double> out;
    // Two coordinates per point and at least two points; a span needs at
    // least one step (k / segments).
    if (coords.size() < 4 || coords.size() % 2 != 0 || segments < 1)
        return out;
    const QVector<double> p = extended(coords, closed);
    const int m = p.size();
    out.reserve(((m - 6) / 2) * (segments + 1) * 2);
    for (int i = 2; i < m - 4; i += 2) {
        const double t1x = (p[i + 2] - p[i - 2]) * tension;
        const double t2x = (p[i + 4] - p[i]) * tension;
        const double t1y = (p[i + 3] - p[i - 1]) * tension;
        const double t2y = (p[i + 5] - p[i + 1]) * tension;
        for (int k = 0; k <= segments; ++k) {
            const double s = double(k) / segments;
            const double s2 = s * s;
            const double s3 = s2 * s;
            const double c1 = 2 * s3 - 3 * s2 + 1;
            const double c2 = 3 * s2 - 2 * s3;
            const double c3 = s3 - 2 * s2 + s;
            const double c4 = s3 - s2;
            out << c1 * p[i] + c2 * p[i + 2] + c3 * t1x + c4 * t2x;
            out << c1 * p[i + 1] + c2 * p[i + 3] + c3 * t1y + c4 * t2y;
        }
    }
    return out;
}

QPainterPath splinePathFromCoords(const QVector<double> &coords, bool closed, double tension, int segments)
{
    QPainterPath path;
    const QVector<double> r = splineSamples(coords, closed, tension, segments);
    if (r.size() < 2)
        return path;
    path.moveTo(r[0], r[1]);
    for (int i = 2; i + 1 < r.size(); i += 2)
        path.lineTo(r[i], r[i + 1]);
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath smoothCurvePath(const QList<QPointF> &points, bool closed, double tension, int segments)
{
    QVector<double> coords;
    coords.reserve(points.size() * 2);
    for (const QPointF &pt : points)
        coords << pt.x() << pt.y();
    return splinePathFromCoords(coords, closed, tension, segments);
}
