#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_button_export_to_excel_clicked() {}
void MainWindow::export_to_excel(const QString &, bool) {}
