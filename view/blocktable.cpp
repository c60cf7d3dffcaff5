#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "blocktablemodel.h"
#include "toleranceassessment.h"

void MainWindow::highlight_table_by_limits()
{
    blockTable->highlight(measurements.limits());
}

void MainWindow::update_statistics()
{
    const BlockStatistics &statistics = measurements.statistics();
    ui->min_box->setValue(double(statistics.minimum));
    ui->max_box->setValue(double(statistics.maximum));
    ui->mean_box->setValue(statistics.mean);
    ui->stdev_box->setValue(statistics.stdev);
}

// Worked out from the model, not from the table: its colours wait for the check box,
// while the figures follow the limit values as soon as they are typed.
void MainWindow::update_tolerance_figures()
{
    const ToleranceAssessment assessment = measurements.assessment();
    ui->out_of_limits_box->setText(outside_of_count_text(assessment));
    ui->cp_box->setText(capability_text(assessment, assessment.cp));
    ui->cpk_box->setText(capability_text(assessment, assessment.cpk));
}
