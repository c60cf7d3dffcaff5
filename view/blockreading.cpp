#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_button_read_data_clicked() {}
QString MainWindow::clean_block_name(const QString &name) { return name; }
