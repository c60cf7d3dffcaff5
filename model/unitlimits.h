#ifndef UNITLIMITS_H
#define UNITLIMITS_H

#include <QJsonValue>
#include <QMap>
#include <QString>

// The min and max an operator set for one unit of measure.
struct LimitPair
{
    double min = 0.0;
    double max = 5.0;

    bool operator==(const LimitPair &other) const { return min == other.min && max == other.max; }
    bool operator!=(const LimitPair &other) const { return !(*this == other); }
};

// A pair per unit met so far, by unit ("" for blocks without one).
using UnitLimits = QMap<QString, LimitPair>;

// The settings' record of the pairs: {"HRC": [44, 46], …}. The unit "" is left out: the two
// plain limit keys hold its pair, as they did before units had limits of their own.
QJsonValue unit_limits_to_json(const UnitLimits &pairs);
// Entries that are not two numbers are passed by; the model holds the numbers to its rule.
UnitLimits unit_limits_from_json(const QJsonValue &record);

#endif // UNITLIMITS_H
