#include "unitlimits.h"

#include <QJsonArray>
#include <QJsonObject>

QJsonValue unit_limits_to_json(const UnitLimits &pairs)
{
    QJsonObject record;
    for (auto pair = pairs.cbegin(); pair != pairs.cend(); ++pair) {
        if (!pair.key().isEmpty())
            record.insert(pair.key(), QJsonArray{pair->min, pair->max});
    }
    return record;
}

UnitLimits unit_limits_from_json(const QJsonValue &record)
{
    UnitLimits pairs;
    const QJsonObject units = record.toObject();
    for (auto entry = units.constBegin(); entry != units.constEnd(); ++entry) {
        const QJsonArray pair = entry.value().toArray();
        if (entry.key().isEmpty() || pair.size() != 2 || !pair.at(0).isDouble() || !pair.at(1).isDouble())
            continue;
        pairs.insert(entry.key(), {pair.at(0).toDouble(), pair.at(1).toDouble()});
    }
    return pairs;
}
