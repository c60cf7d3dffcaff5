#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QKeyEvent>

#include "blockplots.h"
#include "qcustomplot.h"

void MainWindow::setupPlots()
{
    plots = new BlockPlots(ui->graph, ui->diagram, this);
    const auto rangeChanged = qOverload<const QCPRange &>(&QCPAxis::rangeChanged);
    connect(ui->graph->yAxis, rangeChanged, this, &MainWindow::update_graph_limits);
    connect(ui->diagram->yAxis, rangeChanged, this, &MainWindow::update_graph_limits);
    update_limit_lines();
}

void MainWindow::plot_block()
{
    if (measurements.hasShownBlock())
        plots->draw(measurements.shownBlock().values, measurements.statistics(), measurements.limits());
}

void MainWindow::update_limit_lines()
{
    plots->setLimitLines(measurements.limits());
}

void MainWindow::update_graph_limits(const QCPRange &newRange)
{
    ui->graphs_limits_min->setValue(newRange.lower);
    ui->graphs_limits_max->setValue(newRange.upper);
}

void MainWindow::on_graphs_limits_min_editingFinished()
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

void MainWindow::on_graphs_limits_max_editingFinished()
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

void MainWindow::on_set_limits_checkbox_stateChanged(int)
{
    measurements.setLimitsShown(ui->set_limits_checkbox->isChecked());
}

void MainWindow::on_limits_min_editingFinished()
{
    commit_limit_values();
}

void MainWindow::on_limits_max_editingFinished()
{
    commit_limit_values();
}

void MainWindow::commit_limit_values()
{
    // Leaving a limit box redraws the block even when the limit stays; the plots'
    // ranges go back to the block's, as they always have.
    if (!measurements.setLimitValues(ui->limits_min->value(), ui->limits_max->value()))
        plot_block();
}

void MainWindow::limits_shown_changed()
{
    if (!measurements.hasShownBlock()) {
        update_limit_lines();
        return;
    }
    plot_block();
    highlight_table_by_limits();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == ui->block_names_list && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // As a double click does; the view alone would only report the row activated.
            measurements.showBlock(ui->block_names_list->currentRow());
            return true;
        }
    }
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease)
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Shift) {
        // Shift held: the wheel zooms the value axis instead of the key axis.
        plots->setZoomOrientation(type == QEvent::KeyPress ? Qt::Vertical : Qt::Horizontal);
    }
    return QMainWindow::eventFilter(watched, event);
}
