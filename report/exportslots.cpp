#include "mainwindow.h"

#include <QSize>

#include "excelreport.h"
#include "pdfreport.h"
#include "reportexport.h"

namespace {

const QSize pdfPlotSize(600, 400);
const QSize excelPlotSize(522, 313);

} // namespace

void MainWindow::on_button_export_to_PDF_clicked()
{
    const ExportTarget target = ask_export_target(this, tr("Экспорт в PDF"), QStringLiteral("pdf"));
    if (!target.fileName.isEmpty())
        export_to_pdf(target.fileName, target.includeEmpty);
}

void MainWindow::on_button_export_to_excel_clicked()
{
    const ExportTarget target = ask_export_target(this, tr("Экспорт в Excel"), QStringLiteral("xlsx"));
    if (!target.fileName.isEmpty())
        export_to_excel(target.fileName, target.includeEmpty);
}

// What is written is what was on screen at the click; the writing runs on.
void MainWindow::export_to_pdf(const QString &fileName, bool includeEmpty)
{
    reportExport->start(collect_report_model(includeEmpty, pdfPlotSize), fileName, write_pdf_report);
}

void MainWindow::export_to_excel(const QString &fileName, bool includeEmpty)
{
    reportExport->start(collect_report_model(includeEmpty, excelPlotSize), fileName, save_excel_report);
}
