#include "mainwindow.h"

#include "blocksummary.h"
#include "blocksummarydialog.h"
#include "blockspanel.h"
#include "reportexport.h"
#include "reportformpanel.h"
#include "summaryreport.h"

// One dialog for the window's life: it keeps its size, place and sorting between openings.
void MainWindow::on_action_block_summary_triggered()
{
    if (!summaryDialog) {
        summaryDialog = new BlockSummaryDialog(measurements, this);
        connect(summaryDialog, &BlockSummaryDialog::blockActivated, blocks, &BlocksPanel::showBlockOfRow);
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

// The form as the block reports take it, the blocks and the limits as they are now. Each block
// has the limits of its own unit in the table, so no one pair heads it.
SummaryReportModel MainWindow::collect_summary_model(bool includeEmpty) const
{
    SummaryReportModel model;
    model.form.data = collect_report_data();
    model.form.data.values.clear();
    model.form.includeEmpty = includeEmpty;
    model.form.logo = form->logo();
    model.form.commentsCaption = form->commentsCaption();
    model.form.comments = form->comments();
    model.table = summary_table(measurements);
    return model;
}

void MainWindow::export_summary_to_pdf(const QString &fileName, bool includeEmpty)
{
    const SummaryReportModel model = collect_summary_model(includeEmpty);
    reportExport->start(fileName, [model, fileName] { return write_summary_pdf(model, fileName); });
}

void MainWindow::export_summary_to_excel(const QString &fileName, bool includeEmpty)
{
    const SummaryReportModel model = collect_summary_model(includeEmpty);
    reportExport->start(fileName, [model, fileName] { return save_summary_workbook(model, fileName); });
}

void MainWindow::summary_pdf_clicked()
{
    const ExportTarget target = ask_export_target(summaryDialog, tr("Экспорт в PDF"), QStringLiteral("pdf"), tr("Сводка"));
    if (!target.fileName.isEmpty())
        export_summary_to_pdf(target.fileName, target.includeEmpty);
}

void MainWindow::summary_excel_clicked()
{
    const ExportTarget target =
        ask_export_target(summaryDialog, tr("Экспорт в Excel"), QStringLiteral("xlsx"), tr("Сводка"));
    if (!target.fileName.isEmpty())
        export_summary_to_excel(target.fileName, target.includeEmpty);
}

void MainWindow::summary_csv_clicked()
{
    // Taken at the click: the file dialog runs the event loop, in which a read may end.
    save_csv(summaryDialog, tr("Сохранить сводку в CSV"), tr("Сводка"),
             summary_csv(summary_table(measurements), CsvFormat::forLocale(QLocale::system())));
}
