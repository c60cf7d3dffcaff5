#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "blocktablemodel.h"

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
