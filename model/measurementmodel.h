#ifndef MEASUREMENTMODEL_H
#define MEASUREMENTMODEL_H

#include <QObject>
#include <QVector>

#include "block.h"
#include "blockstatistics.h"
#include "toleranceassessment.h"
#include "tolerancelimits.h"
#include "unitlimits.h"

// What the window shows, without a widget: the blocks of the list, the one block
// on display with its statistics, and the tolerance limits. The table, the
// statistics boxes, the plots and the reports all take the shown block from here.
class MeasurementModel : public QObject
{
    Q_OBJECT

public:
    explicit MeasurementModel(QObject *parent = nullptr);

    // The blocks of the list, in the instrument's order; a read or an opened
    // reading replaces them all, and no block is shown until one of the new list is.
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

    // The limits in force for the shown block: those of its unit (of the block shown last,
    // "" before any), shown or not as the one check box says.
    const Limits &limits() const { return current; }
    const QString &shownUnit() const { return unit; }
    // Those of any unit; a unit not met yet has the pair shown last, as it would start from.
    Limits limitsOfUnit(const QString &unit) const;
    void setLimitsShown(bool shown);
    // Sets the pair of the shown block's unit, held as held_limit() holds a limit. False,
    // emitting nothing, when the limits are those already.
    bool setLimitValues(double min, double max);
    // Every unit's pair, for the settings; set from them (held as above) before any block is shown.
    const UnitLimits &unitLimits() const { return pairs; }
    void setUnitLimits(const UnitLimits &unitPairs);

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
    QString unit;
    UnitLimits pairs;
    Limits current; // with the pair of `unit`
};

#endif // MEASUREMENTMODEL_H
