#ifndef BLOCKMINMAX_H
#define BLOCKMINMAX_H

#include <QVector>

struct BlockMinMax
{
    float minimum;
    float maximum;
};

// Smallest and largest of a block that has values, walked from the first value and
// compared in single precision, so a NaN never replaces a running bound.
BlockMinMax block_min_max(const QVector<float> &values);

#endif // BLOCKMINMAX_H
