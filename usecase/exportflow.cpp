#include "exportflow.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QSize>
#include <QTime>
#include <QUrl>

#include "atomicwrite.h"
#include "excelreport.h"
#include "filelock.h"
#include "pdfreport.h"
#include "questions.h"
#include "reportfilename.h"
#include "summaryreport.h"

namespace {

const QSize pdfPlotSize(600, 400);
const QSize excelPlotSize(522, 313);

ExportKind report_kind(ReportFormat format, const QString &word)
{
    if (format == ReportFormat::Pdf)
        return {QCoreApplication::translate("MainWindow", "Экспорт в PDF"), word, QStringLiteral("pdf")};
    return {QCoreApplication::translate("MainWindow", "Экспорт в Excel"), word, QStringLiteral("xlsx")};
}

} // namespace

ExportFlow::ExportFlow(const ReportAssembly &reports, Questions &questions, ReportExport &writer, QObject *parent)
    : QObject(parent)
    , reports(reports)
    , questions(questions)
    , writer(writer)
{
    connect(&writer, &ReportExport::finished, this, &ExportFlow::report_written);
}

// What is written is what was on screen at the click; the writing runs on.
void ExportFlow::export_block_report(ReportFormat format)
{
    const ExportKind kind = report_kind(format, QCoreApplication::translate("MainWindow", "Отчет"));
    export_report(kind, [this, format](const ExportTarget &target) -> ReportExport::Job {
        const bool pdf = format == ReportFormat::Pdf;
        const ReportModel model = reports.collect_report_model(target.includeEmpty, pdf ? pdfPlotSize : excelPlotSize);
        const auto write = pdf ? write_pdf_report : save_excel_report;
        return [model, write, fileName = target.fileName] {
            ReportModel report = model;
            report.finishPlots();
            return write(report, fileName);
        };
    });
}

void ExportFlow::export_summary_report(ReportFormat format)
{
    const ExportKind kind = report_kind(format, QCoreApplication::translate("MainWindow", "Сводка"));
    export_report(kind, [this, format](const ExportTarget &target) -> ReportExport::Job {
        const SummaryReportModel model = reports.collect_summary_model(target.includeEmpty);
        const auto write = format == ReportFormat::Pdf ? write_summary_pdf : save_summary_workbook;
        return [model, write, fileName = target.fileName] { return write(model, fileName); };
    });
}

void ExportFlow::save_block_csv()
{
    // Taken at the click: the file dialog runs the event loop.
    const QByteArray csv = reports.collect_block_csv();
    if (!csv.isEmpty())
        save_file({QCoreApplication::translate("MainWindow", "Сохранить блок в CSV"),
                   QCoreApplication::translate("MainWindow", "Отчет"), QStringLiteral("csv")},
                  csv);
}

void ExportFlow::save_summary_csv()
{
    // Taken at the click: the file dialog runs the event loop, in which a read may end.
    save_file({QCoreApplication::translate("MainWindow", "Сохранить сводку в CSV"),
               QCoreApplication::translate("MainWindow", "Сводка"), QStringLiteral("csv")},
              reports.collect_summary_csv());
}

QString ExportFlow::choose_file(const ExportKind &kind)
{
    const QString proposal = proposed_report_path(last_folder(kind.extension), kind.word, reports.report_number(),
                                                  QTime::currentTime(), kind.extension);
    const QString fileName =
        questions.saveFileName(kind.caption, proposal, QStringLiteral("(*.") + kind.extension + QLatin1Char(')'));
    if (!fileName.isEmpty())
        remember_folder(kind.extension, fileName);
    return fileName;
}

ExportTarget ExportFlow::ask_export_target(const ExportKind &kind)
{
    const QString fileName = choose_file(kind);
    if (fileName.isEmpty())
        return {};
    if (is_file_locked(fileName)) {
        questions.saveFailed();
        return {};
    }
    switch (questions.askEmptyFields()) {
    case Questions::EmptyFields::Include:
        return {fileName, true};
    case Questions::EmptyFields::Leave:
        return {fileName, false};
    case Questions::EmptyFields::Cancel:
        break;
    }
    return {};
}

void ExportFlow::export_report(const ExportKind &kind, const Document &document)
{
    const ExportTarget target = ask_export_target(kind);
    if (target.fileName.isEmpty())
        return;
    writer.start(target.fileName, document(target));
    pending = target.fileName; // after start(), which ends the report before it first
}

void ExportFlow::save_file(const ExportKind &kind, const QByteArray &bytes)
{
    const QString path = choose_file(kind);
    if (path.isEmpty())
        return;
    if (write_file_atomically(path, bytes))
        questions.fileSaved(path);
    else
        questions.saveFailed();
}

void ExportFlow::report_written(const QString &fileName, bool ok)
{
    if (pending.isEmpty() || fileName != pending)
        return; // another flow's
    pending.clear();
    if (ok)
        QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
    else
        questions.saveFailed();
}
