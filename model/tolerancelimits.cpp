#include "tolerancelimits.h"

#include <cmath>

#include "valuetext.h"

namespace {

// The measured decimal lies strictly between the floats either side of v, so a bound
// beyond them decides by v alone; one between them needs the decimal itself.
bool below(float v, double bound)
{
    if (double(std::nextafter(v, INFINITY)) <= bound)
        return true;
    if (double(std::nextafter(v, -INFINITY)) >= bound)
        return false;
    return value_measured_number(v) < bound;
}

bool above(float v, double bound)
{
    if (double(std::nextafter(v, -INFINITY)) >= bound)
        return true;
    if (double(std::nextafter(v, INFINITY)) <= bound)
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

QString limits_text(double lo, double hi)
{
    return QLatin1Char('[') + QString::number(lo, 'g', 6) + QStringLiteral("; ") + QString::number(hi, 'g', 6)
         + QLatin1Char(']');
}
