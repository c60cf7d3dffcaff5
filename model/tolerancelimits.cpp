#include "tolerancelimits.h"

#include <algorithm>
#include <cmath>

#include "valuetext.h"

namespace {

// The measured decimal lies within half a float step of v, and |v| * 2^-23 (or the smallest
// step, for the tiniest values) is at least a step: a bound beyond that margin is decided by v
// alone, with no text made. Only a bound within it needs the decimal itself.
double margin(double stored)
{
    return std::fabs(stored) * 0x1p-23 + 0x1p-149;
}

bool below(float v, double bound)
{
    const double stored = v;
    if (std::isinf(stored) || stored + margin(stored) < bound)
        return stored < bound;
    if (stored - margin(stored) >= bound)
        return false;
    return value_measured_number(v) < bound;
}

bool above(float v, double bound)
{
    const double stored = v;
    if (std::isinf(stored) || stored - margin(stored) > bound)
        return stored > bound;
    if (stored + margin(stored) <= bound)
        return false;
    return value_measured_number(v) > bound;
}

} // namespace

bool Limits::isOutside(float v) const
{
    if (std::isnan(v))
        return false;
    return below(v, min) || above(v, max);
}

double held_limit(double limit)
{
    // Rounded as a spin box of one decimal rounds what it is given, then bounded by its range.
    return std::clamp(QString::number(limit, 'f', 1).toDouble(), -999999.0, 999999.0);
}

QString limits_text(double lo, double hi)
{
    return QLatin1Char('[') + QString::number(lo, 'g', 6) + QStringLiteral("; ") + QString::number(hi, 'g', 6)
         + QLatin1Char(']');
}

ShownLimit shown_limit(double bound)
{
    // + 0.0: a limit of -0 goes in as 0.
    const double value = QString::number(bound, 'g', 6).toDouble() + 0.0;
    int decimals = 0;
    // 6 significant digits end by the 20th decimal for a limit a spin box can hold.
    while (decimals < 20 && QString::number(value, 'f', decimals).toDouble() != value)
        ++decimals;
    return {value, decimals};
}
