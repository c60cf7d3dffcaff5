#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_button_export_to_PDF_clicked() {}
void MainWindow::export_to_pdf(const QString &, bool) {}
