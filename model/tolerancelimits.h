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

// A limit as the model holds it, whatever brought it (a limit box, the settings file): to one
// decimal, within ±999999, the rule of the limit boxes, so that what they show is what is held.
double held_limit(double limit);

// "[44; 46]": the limits with 6 significant digits.
QString limits_text(double lo, double hi);

// A limit as limits_text shows it: rounded to 6 significant digits, and the decimals that
// write it out without an exponent (12.5: 1, 1234567: 1234570 with 0, 1e-05: 5).
struct ShownLimit
{
    double value = 0;
    int decimals = 0;
};
ShownLimit shown_limit(double bound);

#endif // TOLERANCELIMITS_H
