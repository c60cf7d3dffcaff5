#ifndef PLOTSPANEL_H
#define PLOTSPANEL_H

#include <QWidget>

#include "reportdata.h"

class BlockPlots;
class MeasurementModel;
class QCPRange;

QT_BEGIN_NAMESPACE
namespace Ui { class PlotsPanel; }
QT_END_NAMESPACE

// The middle column: the graph and the bar diagram of the shown block, their ranges,
// the limits with their check box and the tolerance figures, all from the measurement
// model. Typed limits and the check box go to the model, a typed range to both plots.
class PlotsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit PlotsPanel(QWidget *parent = nullptr);
    ~PlotsPanel() override;

    // Shown from now on; the panel follows its changes.
    void setModel(MeasurementModel *model);

    // A limit still being typed goes to the model as leaving its box would take it, with
    // nothing redrawn: for a window that is closing.
    void keepTypedLimits();
    void setLimitsTicked(bool ticked);

    // Shift held: the wheel zooms the value axis instead of the key axis.
    void setZoomOrientation(Qt::Orientations orientation);

    PlotsReportChoice reportChoice() const;

    void retranslate();

    BlockPlots *plots() const { return blockPlots; }

private:
    // The typed limits go to the model; leaving a box redraws the block even when they
    // stay, and the plots' ranges go back to the block's, as they always have.
    void commitLimitValues();
    // A typed plot range goes to both plots; min above max pushes max up, and the other way round.
    void applyRangeMin();
    void applyRangeMax();
    // The range boxes follow the plots' value axis.
    void showValueRange(const QCPRange &range);
    void plotShownBlock();
    void limitValuesChanged();
    void limitsShownChanged();
    void showLimitValues();
    void showToleranceFigures();

    Ui::PlotsPanel *ui;
    MeasurementModel *model = nullptr;
    BlockPlots *blockPlots;

    friend struct PanelAccess;
};

#endif // PLOTSPANEL_H
