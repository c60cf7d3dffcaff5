#include "blockstatistics.h"

#include <QString>

#include <algorithm>
#include <cmath>

BlockStatistics block_statistics(const QVector<float> &values)
{
    BlockStatistics statistics;
    statistics.count = int(values.size());
    if (values.isEmpty())
        return statistics;

    statistics.minimum = statistics.maximum = values.first();
    double sum = 0.0;
    for (const float v : values) {
        if (v < statistics.minimum)
            statistics.minimum = v;
        if (v > statistics.maximum)
            statistics.maximum = v;
        sum += double(v);
    }
    statistics.mean = sum / statistics.count;

    // One value has no spread: 0/0 would come out as NaN.
    if (statistics.count > 1) {
        double squares = 0.0;
        for (const float v : values) {
            const double d = double(v) - statistics.mean;
            squares += d * d;
        }
        statistics.stdev = std::sqrt(squares / (statistics.count - 1));
    }
    return statistics;
}

double shown_statistic(double value)
{
    constexpr double bound = 999999.0;
    // The very rounding of a one-decimal spin box, halves away from zero included.
    const double rounded = QString::number(value, 'f', 1).toDouble();
    if (std::isnan(rounded))
        return bound;
    return std::clamp(rounded, -bound, bound);
}
