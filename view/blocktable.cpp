#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "blocktablemodel.h"
#include "limitinput.h"
#include "tablehint.h"
#include "toleranceassessment.h"

void MainWindow::highlight_table_by_limits()
{
    blockTable->highlight(measurements.limits());
}

void MainWindow::update_statistics()
{
    const BlockStatistics &statistics = measurements.statistics();
    const std::pair<QDoubleSpinBox *, double> boxes[] = {{ui->min_box, double(statistics.minimum)},
                                                         {ui->max_box, double(statistics.maximum)},
                                                         {ui->mean_box, statistics.mean},
                                                         {ui->stdev_box, statistics.stdev}};
    // No values, no figures: the boxes' lowest value reads "—".
    for (const auto &[box, figure] : boxes)
        box->setValue(statistics.count > 0 ? figure : box->minimum());
}

// Worked out from the model, as the table's colours and the plots are.
void MainWindow::update_tolerance_figures()
{
    const ToleranceAssessment assessment = measurements.assessment();
    ui->out_of_limits_box->setText(outside_of_count_text(assessment));
    ui->cp_box->setText(capability_text(assessment, assessment.cp));
    ui->cpk_box->setText(capability_text(assessment, assessment.cpk));
}

// The limit boxes hold the pair of the shown block's unit; min above max is marked on them.
void MainWindow::show_limit_values()
{
    const Limits &limits = measurements.limits();
    ui->limits_min->setValue(limits.min);
    ui->limits_max->setValue(limits.max);
    mark_limit_order(ui->limits_min, ui->limits_max, limits.isOrdered(), tr("Min больше Max"));
}

void MainWindow::limit_values_changed()
{
    show_limit_values();
    plot_block();
    highlight_table_by_limits();
}

void MainWindow::retranslate_shown_block()
{
    update_tolerance_figures();
    show_limit_values();
    tableHint->setText(tr("Дважды щёлкните блок в списке"));
}
