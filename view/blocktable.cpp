#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_block_names_list_itemDoubleClicked(QListWidgetItem *) {}
int MainWindow::value_decimals(float) { return 0; }
void MainWindow::highlight_table_by_limits() {}
void MainWindow::update_statistics() {}
