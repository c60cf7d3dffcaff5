#include "fontsize.h"
#include "mainwindow.h"

void applyFontSize(QWidget *, int) {}
void MainWindow::on_action_font_size_increase_triggered() {}
void MainWindow::on_action_font_size_decrease_triggered() {}
