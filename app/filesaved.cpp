#include "mainwindow.h"

#include <QFileInfo>
#include <QStatusBar>

void MainWindow::tell_file_saved(const QString &path)
{
    statusBar()->showMessage(tr("Файл сохранён: %1").arg(QFileInfo(path).fileName()), 5000);
}
