#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "blocksummarydialog.h"
#include "reportexport.h"

// One dialog for the window's life: it keeps its size, place and sorting between openings.
void MainWindow::on_action_block_summary_triggered()
{
    if (!summaryDialog) {
        summaryDialog = new BlockSummaryDialog(measurements, this);
        connect(summaryDialog, &BlockSummaryDialog::blockActivated, this, [this](int listRow) {
            if (measurements.showBlock(listRow))
                ui->block_names_list->setCurrentRow(listRow);
        });
        connect(summaryDialog, &BlockSummaryDialog::pdfRequested, this, &MainWindow::summary_pdf_clicked);
        connect(summaryDialog, &BlockSummaryDialog::excelRequested, this, &MainWindow::summary_excel_clicked);
        connect(summaryDialog, &BlockSummaryDialog::csvRequested, this, &MainWindow::summary_csv_clicked);
        // One report at a time, whichever button began it.
        connect(reportExport, &ReportExport::started, summaryDialog, [this] { summaryDialog->setExportsEnabled(false); });
        connect(reportExport, &ReportExport::finished, summaryDialog, [this] { summaryDialog->setExportsEnabled(true); });
        summaryDialog->setExportsEnabled(!reportExport->isRunning());
    }
    summaryDialog->show();
    summaryDialog->raise();
    summaryDialog->activateWindow();
}
