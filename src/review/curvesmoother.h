#pragma once

#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QVector>

// Smooth curves through measured points: a cardinal spline in Hermite form,
// sampled `segments` times per span and joined with straight lines. Tension
// 0.5 is the Catmull-Rom spline. An open curve runs exactly from the first
// point to the last; a closed one has one more span, from the last point back
// to the first. Fewer than two points or fewer than one segment per span give
// an empty path.
QPainterPath smoothCurvePath(const QList<QPointF> &points, bool closed, double tension, int segments);

// The same on a flat list x0, y0, x1, y1, ... (the caller's list is left as
// it is).
QPainterPath splinePathFromCoords(const QVector<double> &coords, bool closed, double tension, int segments);

// The samples the path is built from, in order, as a flat x, y list. The
// shared knot of two spans is sampled by both, so it occurs twice in a row.
QVector<double> splineSamples(const QVector<double> &coords, bool closed, double tension, int segments);
