#ifndef TOLERANCELIMITS_H
#define TOLERANCELIMITS_H

#include <QString>

// The tolerance limits and whether they are shown. A limit itself is inside.
struct Limits
{
    bool shown = false;
    double min = 0.0;
    double max = 5.0;

    // Min above max is kept as typed but judges nothing until it is mended.
    bool isOrdered() const { return min <= max; }
    // Values are coloured, counted and reported against the limits only then.
    bool inForce() const { return shown && isOrdered(); }

    // Whether the value's measured decimal (value_full_text) lies below min or above max;
    // a NaN never does. Decided from the stored float unless a limit is within a step of it,
    // so judging a million values makes no text.
    bool isOutside(float v) const;

    bool operator==(const Limits &other) const
    {
        return shown == other.shown && min == other.min && max == other.max;
    }
    bool operator!=(const Limits &other) const { return !(*this == other); }
};

// "[44; 46]": the limits with 6 significant digits.
QString limits_text(double lo, double hi);

#endif // TOLERANCELIMITS_H
