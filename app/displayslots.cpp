#include "mainwindow.h"

#include <QListWidgetItem>

#include "blockspanel.h"
#include "plotspanel.h"

void MainWindow::on_block_names_list_itemDoubleClicked(QListWidgetItem *item)
{
    blocks->showBlockOfRow(blocks->rowOf(item));
}

void MainWindow::on_set_limits_checkbox_stateChanged(int)
{
    measurements.setLimitsShown(plots->limitsTicked());
}

void MainWindow::on_limits_min_editingFinished()
{
    plots->commitLimitValues();
}

void MainWindow::on_limits_max_editingFinished()
{
    plots->commitLimitValues();
}

void MainWindow::on_graphs_limits_min_editingFinished()
{
    plots->applyRangeMin();
}

void MainWindow::on_graphs_limits_max_editingFinished()
{
    plots->applyRangeMax();
}

void MainWindow::update_graph_limits(const QCPRange &newRange)
{
    plots->showValueRange(newRange);
}
