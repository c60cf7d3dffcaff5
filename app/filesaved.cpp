#include "mainwindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>
#include <QTime>

#include "atomicwrite.h"
#include "reportfilename.h"
#include "reportformpanel.h"
#include "savefailurebox.h"

void MainWindow::save_csv(QWidget *parent, const QString &caption, const QString &word, const QByteArray &csv)
{
    const QString csvType = QStringLiteral("csv");
    const QString proposal =
        proposed_report_path(last_folder(csvType), word, form->reportNumber(), QTime::currentTime(), csvType);
    const QString path = QFileDialog::getSaveFileName(parent, caption, proposal, QStringLiteral("(*.csv)"));
    if (path.isEmpty())
        return;
    remember_folder(csvType, path);
    if (write_file_atomically(path, csv))
        statusBar()->showMessage(tr("Файл сохранён: %1").arg(QFileInfo(path).fileName()), 5000);
    else
        show_save_failure_box();
}
