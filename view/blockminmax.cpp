#include "blockminmax.h"

BlockMinMax block_min_max(const QVector<float> &values)
{
    BlockMinMax bounds{values.first(), values.first()};
    for (const float v : values) {
        if (v < bounds.minimum)
            bounds.minimum = v;
        if (v > bounds.maximum)
            bounds.maximum = v;
    }
    return bounds;
}
