#include "measurementmodel.h"

#include "blockname.h"

MeasurementModel::MeasurementModel(QObject *parent)
    : QObject(parent)
{
    pairs.insert(unit, {current.min, current.max});
}

void MeasurementModel::setBlocks(const QVector<Block> &blocks)
{
    listed = blocks;
    shown = Block();
    shownOnce = false;
    shownStatistics = BlockStatistics();
    emit blocksChanged();
}

bool MeasurementModel::showBlock(int index)
{
    if (index < 0 || index >= listed.size())
        return false;
    shown = listed.at(index);
    shownOnce = true;
    shownStatistics = block_statistics(shown.values);
    unit = block_unit(shown.name);
    if (!pairs.contains(unit))
        pairs.insert(unit, {current.min, current.max});
    current.min = pairs.value(unit).min;
    current.max = pairs.value(unit).max;
    emit shownBlockChanged();
    return true;
}

void MeasurementModel::setLimitsShown(bool shown)
{
    if (current.shown == shown)
        return;
    current.shown = shown;
    emit limitsShownChanged();
}

bool MeasurementModel::setLimitValues(double min, double max)
{
    min = held_limit(min);
    max = held_limit(max);
    if (current.min == min && current.max == max)
        return false;
    current.min = min;
    current.max = max;
    pairs.insert(unit, {min, max});
    emit limitValuesChanged();
    return true;
}

Limits MeasurementModel::limitsOfUnit(const QString &unit) const
{
    Limits limits = current;
    const auto pair = pairs.constFind(unit);
    if (pair != pairs.constEnd()) {
        limits.min = pair->min;
        limits.max = pair->max;
    }
    return limits;
}

void MeasurementModel::setUnitLimits(const UnitLimits &unitPairs)
{
    pairs.clear();
    for (auto pair = unitPairs.cbegin(); pair != unitPairs.cend(); ++pair)
        pairs.insert(pair.key(), {held_limit(pair->min), held_limit(pair->max)});
    if (!pairs.contains(unit))
        pairs.insert(unit, {current.min, current.max});
    const auto pair = pairs.constFind(unit);
    if (pair != pairs.constEnd() && (pair->min != current.min || pair->max != current.max)) {
        current.min = pair->min;
        current.max = pair->max;
        emit limitValuesChanged();
    }
}
