#pragma once

#include <QList>

// Figures of a benchmark's repeated runs; each list holds at least one value.
namespace BenchStats {

// The smallest value: the run least disturbed by the rest of the machine.
double best(const QList<double> &values);
double median(QList<double> values);

} // namespace BenchStats
