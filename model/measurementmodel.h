#ifndef MEASUREMENTMODEL_H
#define MEASUREMENTMODEL_H

#include <QObject>
#include <QVector>

#include "block.h"
#include "blockstatistics.h"
#include "toleranceassessment.h"
#include "tolerancelimits.h"

// What the window shows, without a widget: the blocks of the list, the one block
// on display with its statistics, and the tolerance limits. The table, the
// statistics boxes, the plots and the reports all take the shown block from here.
class MeasurementModel : public QObject
{
    Q_OBJECT

public:
    explicit MeasurementModel(QObject *parent = nullptr);

    // The blocks of the list, in the instrument's order; a read or an opened
    // reading replaces them all. The shown block is a copy and stays.
    const QVector<Block> &blocks() const { return listed; }
    void setBlocks(const QVector<Block> &blocks);

    // Shows the list's block `index` (again, when it is shown already); false,
    // changing nothing, when the list has no such block.
    bool showBlock(int index);
    bool hasShownBlock() const { return shownOnce; }
    const Block &shownBlock() const { return shown; }
    // Of the shown block, worked out once when it is shown.
    const BlockStatistics &statistics() const { return shownStatistics; }
    // How the shown block holds the limits, worked out when asked: one pass over its values.
    ToleranceAssessment assessment() const { return assess_tolerance(shown.values, shownStatistics, current); }

    const Limits &limits() const { return current; }
    void setLimitsShown(bool shown);
    // False, emitting nothing, when the limits are those already.
    bool setLimitValues(double min, double max);

signals:
    void blocksChanged();
    void shownBlockChanged();
    void limitsShownChanged();
    void limitValuesChanged();

private:
    QVector<Block> listed;
    Block shown;
    bool shownOnce = false;
    BlockStatistics shownStatistics;
    Limits current;
};

#endif // MEASUREMENTMODEL_H
