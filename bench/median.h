#ifndef MEDIAN_H
#define MEDIAN_H

#include <QVector>

#include <algorithm>

// The middle of the samples, what a benchmark prints: one slow run of many says little.
inline double median(QVector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const int n = int(samples.size());
    return n % 2 ? samples[n / 2] : 0.5 * (samples[n / 2 - 1] + samples[n / 2]);
}

#endif // MEDIAN_H
