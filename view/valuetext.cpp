#include "valuetext.h"

#include <cmath>

int value_decimals(float v)
{
    const float magnitude = std::fabs(v);
    if (magnitude < 10.0f)
        return 2;
    if (magnitude < 100.0f)
        return 1;
    return 0;
}

QString value_display_text(float v)
{
    const int decimals = value_decimals(v);
    const double scale = std::pow(10.0, decimals);
    double scaled = double(v) * scale;
    // Beyond 2^52 a double has no fraction left to cut; NaN stays NaN.
    if (std::fabs(scaled) < 4503599627370496.0)
        scaled = std::trunc(scaled);
    return QString::number(scaled / scale, 'f', decimals);
}
