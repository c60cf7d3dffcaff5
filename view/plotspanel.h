#ifndef PLOTSPANEL_H
#define PLOTSPANEL_H

#include <QWidget>

class BlockPlots;
class MeasurementModel;
class QCPRange;

QT_BEGIN_NAMESPACE
namespace Ui { class PlotsPanel; }
QT_END_NAMESPACE

// What the plot-range boxes and the report check boxes ask of a report's plots.
struct PlotsReportChoice
{
    bool graph = true;
    bool diagram = true;
    bool tolerance = false;
    double valueMin = 0; // the value axis as the plot-range boxes set it
    double valueMax = 5;
};

// The middle column: the graph and the bar diagram of the shown block, their ranges,
// the limits with their check box and the tolerance figures, all from the measurement
// model. Typed limits and ranges come in through the methods the window's slots call.
class PlotsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit PlotsPanel(QWidget *parent = nullptr);
    ~PlotsPanel() override;

    // Shown from now on; the panel follows its changes.
    void setModel(MeasurementModel *model);

    // The typed limits go to the model; leaving a box redraws the block even when they
    // stay, and the plots' ranges go back to the block's, as they always have.
    void commitLimitValues();
    // The two boxes' values as they hold them (one decimal, within their range).
    double typedMin() const;
    double typedMax() const;
    void setTypedLimits(double min, double max);
    bool limitsTicked() const;
    void setLimitsTicked(bool ticked);

    // A typed plot range goes to both plots; min above max pushes max up, and the other way round.
    void applyRangeMin();
    void applyRangeMax();
    // The range boxes follow the plots' value axis.
    void showValueRange(const QCPRange &range);

    // Shift held: the wheel zooms the value axis instead of the key axis.
    void setZoomOrientation(Qt::Orientations orientation);

    PlotsReportChoice reportChoice() const;

    void retranslate();

    BlockPlots *plots() const { return blockPlots; }

signals:
    void valueRangeChanged(const QCPRange &range);

private:
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
