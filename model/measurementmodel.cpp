#include "measurementmodel.h"

MeasurementModel::MeasurementModel(QObject *parent)
    : QObject(parent)
{
}

void MeasurementModel::setBlocks(const QVector<Block> &blocks)
{
    listed = blocks;
    emit blocksChanged();
}

bool MeasurementModel::showBlock(int index)
{
    if (index < 0 || index >= listed.size())
        return false;
    shown = listed.at(index);
    shownOnce = true;
    shownStatistics = block_statistics(shown.values);
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
    if (current.min == min && current.max == max)
        return false;
    current.min = min;
    current.max = max;
    emit limitValuesChanged();
    return true;
}
