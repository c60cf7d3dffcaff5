#ifndef TOLERANCE_H
#define TOLERANCE_H

#include <QString>

#include <optional>

// A tolerance as a drawing or a standard gives it: a lower bound, an upper bound, or both.
// A bound left out is no bound ("at least 40 HRC"); both left out is no tolerance at all,
// and then nothing is judged.
struct Tolerance
{
    std::optional<double> min;
    std::optional<double> max;

    bool isNone() const { return !min && !max; }
    bool isOneSided() const { return min.has_value() != max.has_value(); }

    bool operator==(const Tolerance &other) const { return min == other.min && max == other.max; }
    bool operator!=(const Tolerance &other) const { return !(*this == other); }
};

// Where a block's tolerance was found: under its own name, under its unit, in the two
// limit keys that held the only pair before limits were kept per unit, or nowhere.
enum class ToleranceSource { None, BlockName, Unit, Original };

// A block's tolerance with where it came from.
struct SourcedTolerance
{
    Tolerance tolerance;
    ToleranceSource source = ToleranceSource::None;
    QString key; // the block name or the unit it was found under; empty otherwise

    bool operator==(const SourcedTolerance &other) const
    {
        return tolerance == other.tolerance && source == other.source && key == other.key;
    }
    bool operator!=(const SourcedTolerance &other) const { return !(*this == other); }
};

#endif // TOLERANCE_H
