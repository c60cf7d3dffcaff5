#ifndef BLOCKSTATISTICS_H
#define BLOCKSTATISTICS_H

#include <QVector>

// Minimum, maximum, mean and standard deviation of a block's values, unrounded.
struct BlockStatistics
{
    int count = 0;
    // Walked from the first value in single precision, so a NaN never replaces a
    // bound. An empty block has none; both are 0 then.
    float minimum = 0;
    float maximum = 0;
    double mean = 0;  // 0 for an empty block
    double stdev = 0; // sample deviation (over n − 1); 0 for fewer than two values
};

BlockStatistics block_statistics(const QVector<float> &values);

// A statistic as the window's one-decimal boxes hold it, and as the reports give
// it: rounded to one decimal and kept within ±999999, a NaN at the upper bound.
double shown_statistic(double value);

#endif // BLOCKSTATISTICS_H
