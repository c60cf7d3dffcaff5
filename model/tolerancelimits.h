#ifndef TOLERANCELIMITS_H
#define TOLERANCELIMITS_H

// The tolerance limits and whether they are shown. A limit itself is inside.
struct Limits
{
    bool shown = false;
    double min = 0.0;
    double max = 5.0;

    // The plots judge the stored value; NaN is never outside.
    bool isOutside(double v) const { return v < min || v > max; }
    // The table judges the text it shows, which is cut: 5.009 shows as 5.00 and is
    // inside 0 … 5 although the plots mark it.
    bool isShownOutside(float v) const;

    bool operator==(const Limits &other) const
    {
        return shown == other.shown && min == other.min && max == other.max;
    }
    bool operator!=(const Limits &other) const { return !(*this == other); }
};

#endif // TOLERANCELIMITS_H
