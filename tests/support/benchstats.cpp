#include "support/benchstats.h"

#include <algorithm>

namespace BenchStats {

double best(const QList<double> &values)
{
    return *std::min_element(values.begin(), values.end());
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

} // namespace BenchStats
