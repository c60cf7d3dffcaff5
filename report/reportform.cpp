#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_logo_action_clicked() {}
ReportData MainWindow::collect_report_data() const { return {}; }
ExportTarget MainWindow::ask_export_target(QWidget *, const QString &, const QString &) { return {}; }
bool MainWindow::is_file_locked(const QString &) { return false; }
