#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::setupPlots() {}
void MainWindow::plot_block(QListWidgetItem *) {}
void MainWindow::update_limit_lines() {}
void MainWindow::update_graph_limits(const QCPRange &) {}
void MainWindow::on_graphs_limits_min_editingFinished() {}
void MainWindow::on_graphs_limits_max_editingFinished() {}
void MainWindow::on_set_limits_checkbox_stateChanged(int) {}
void MainWindow::on_limits_min_editingFinished() {}
void MainWindow::on_limits_max_editingFinished() {}
bool MainWindow::eventFilter(QObject *watched, QEvent *event) { return QMainWindow::eventFilter(watched, event); }
