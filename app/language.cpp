#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_actionRU_triggered() {}
void MainWindow::on_actionEN_triggered() {}
void MainWindow::on_about_program_triggered() {}
void MainWindow::on_about_company_triggered() {}
