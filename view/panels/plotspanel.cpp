#include "plotspanel.h"
#include "ui_plotspanel.h"

#include "blockplots.h"
#include "limitinput.h"
#include "measurementmodel.h"
#include "qcustomplot.h"
#include "toleranceassessment.h"

PlotsPanel::PlotsPanel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PlotsPanel)
{
    ui->setupUi(this);
    for (QDoubleSpinBox *box : {ui->limits_min, ui->limits_max})
        new DecimalSeparatorKeys(box);
    blockPlots = new BlockPlots(ui->graph, ui->diagram, this);
    const auto rangeChanged = qOverload<const QCPRange &>(&QCPAxis::rangeChanged);
    connect(ui->graph->yAxis, rangeChanged, this, &PlotsPanel::showValueRange);
    connect(ui->diagram->yAxis, rangeChanged, this, &PlotsPanel::showValueRange);
    connect(ui->limits_min, &QDoubleSpinBox::editingFinished, this, &PlotsPanel::commitLimitValues);
    connect(ui->limits_max, &QDoubleSpinBox::editingFinished, this, &PlotsPanel::commitLimitValues);
    connect(ui->graphs_limits_min, &QDoubleSpinBox::editingFinished, this, &PlotsPanel::applyRangeMin);
    connect(ui->graphs_limits_max, &QDoubleSpinBox::editingFinished, this, &PlotsPanel::applyRangeMax);
    connect(ui->set_limits_checkbox, &QCheckBox::stateChanged, this, [this] {
        if (model)
            model->setLimitsShown(ui->set_limits_checkbox->isChecked());
    });
}

PlotsPanel::~PlotsPanel()
{
    delete ui;
}

void PlotsPanel::setModel(MeasurementModel *measurements)
{
    model = measurements;
    // A new list: nothing of the old block stays drawn.
    connect(model, &MeasurementModel::blocksChanged, this,
            [this] { blockPlots->draw({}, model->statistics(), model->limits()); });
    // The shown block is judged against the limits of its unit, which the boxes show from now on.
    connect(model, &MeasurementModel::shownBlockChanged, this, [this] {
        showLimitValues();
        plotShownBlock();
    });
    connect(model, &MeasurementModel::limitsShownChanged, this, &PlotsPanel::limitsShownChanged);
    connect(model, &MeasurementModel::limitValuesChanged, this, &PlotsPanel::limitValuesChanged);
    for (const auto changed : {&MeasurementModel::blocksChanged, &MeasurementModel::shownBlockChanged,
                               &MeasurementModel::limitsShownChanged, &MeasurementModel::limitValuesChanged})
        connect(model, changed, this, &PlotsPanel::showToleranceFigures);
    blockPlots->setLimitLines(model->limits());
    showLimitValues();
    showToleranceFigures();
}

void PlotsPanel::plotShownBlock()
{
    if (model->hasShownBlock())
        blockPlots->draw(model->shownBlock().values, model->statistics(), model->limits());
}

void PlotsPanel::limitValuesChanged()
{
    showLimitValues();
    plotShownBlock();
}

void PlotsPanel::limitsShownChanged()
{
    if (model->hasShownBlock())
        plotShownBlock();
    else
        blockPlots->setLimitLines(model->limits());
}

// The limit boxes hold the pair of the shown block's unit; min above max is marked on them.
void PlotsPanel::showLimitValues()
{
    const Limits &limits = model->limits();
    ui->limits_min->setValue(limits.min);
    ui->limits_max->setValue(limits.max);
    mark_limit_order(ui->limits_min, ui->limits_max, limits.isOrdered(), tr("Min больше Max"));
}

// Worked out from the model, as the table's colours and the plots are.
void PlotsPanel::showToleranceFigures()
{
    const ToleranceAssessment assessment = model->assessment();
    ui->out_of_limits_box->setText(outside_of_count_text(assessment));
    ui->cp_box->setText(capability_text(assessment, assessment.cp));
    ui->cpk_box->setText(capability_text(assessment, assessment.cpk));
}

void PlotsPanel::commitLimitValues()
{
    if (model && !model->setLimitValues(ui->limits_min->value(), ui->limits_max->value()))
        plotShownBlock();
}

void PlotsPanel::keepTypedLimits()
{
    if (!model)
        return;
    const QSignalBlocker quiet(model);
    model->setLimitValues(ui->limits_min->value(), ui->limits_max->value());
}

void PlotsPanel::setLimitsTicked(bool ticked)
{
    ui->set_limits_checkbox->setChecked(ticked);
}

void PlotsPanel::applyRangeMin()
{
    QCPRange range = ui->graph->yAxis->range();
    const double minimum = ui->graphs_limits_min->value();
    if (minimum > ui->graphs_limits_max->value()) {
        ui->graphs_limits_max->setValue(minimum + 1);
        range.upper = minimum + 1;
    }
    range.lower = minimum;
    ui->graph->yAxis->setRange(range);
    ui->diagram->yAxis->setRange(range);
}

void PlotsPanel::applyRangeMax()
{
    QCPRange range = ui->graph->yAxis->range();
    const double maximum = ui->graphs_limits_max->value();
    // The min box follows through the range change.
    if (ui->graphs_limits_min->value() > maximum)
        range.lower = maximum - 1;
    range.upper = maximum;
    ui->graph->yAxis->setRange(range);
    ui->diagram->yAxis->setRange(range);
}

void PlotsPanel::showValueRange(const QCPRange &range)
{
    ui->graphs_limits_min->setValue(range.lower);
    ui->graphs_limits_max->setValue(range.upper);
}

void PlotsPanel::setZoomOrientation(Qt::Orientations orientation)
{
    blockPlots->setZoomOrientation(orientation);
}

PlotsReportChoice PlotsPanel::reportChoice() const
{
    PlotsReportChoice choice;
    choice.graph = ui->report_graph_checkbox->isChecked();
    choice.diagram = ui->report_diagram_checkbox->isChecked();
    choice.tolerance = ui->report_tolerance_checkbox->isChecked();
    choice.valueMin = ui->graphs_limits_min->value();
    choice.valueMax = ui->graphs_limits_max->value();
    return choice;
}

void PlotsPanel::retranslate()
{
    ui->retranslateUi(this);
    showToleranceFigures();
    showLimitValues();
}
