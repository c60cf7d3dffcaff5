#ifndef SUMMARYREPORT_H
#define SUMMARYREPORT_H

#include <QString>
#include <QTextDocument>

#include "blocksummary.h"
#include "reportmodel.h"

class XlsxDocument;

// "Сводный отчет" in the current language.
QString summary_report_title();

// Everything the summary report of the listed blocks shows, taken at the click, so that its
// writers need no widget and can run away from the window's thread.
struct SummaryReportModel
{
    // The report form as a block report takes it: the fields and the empty-field answer,
    // the logo, the tolerance line (here whenever the limits are shown), the comments and
    // the fixed captions. Its block, statistics and plots stay empty.
    ReportModel form;
    QString title = summary_report_title();
    SummaryTable table;
};

struct PdfFormats;
class QTextCursor;

// The PDF summary report up to its end: the form's header with the logo beside it, the
// title, the summary table (its headings repeated on every page), the tolerance line.
void insert_summary(QTextCursor &cursor, const SummaryReportModel &model, const PdfFormats &formats);

// Writes the PDF summary report to fileName, under a temporary name until complete. Needs
// no widget. False when the file could not be written.
bool write_summary_pdf(const SummaryReportModel &model, const QString &fileName);

// Lays the summary report out on the document's one sheet: the fields table in A to F with
// the logo at G1, the title, the table with its figures as number cells holding what the
// table's texts show (the limits in two of them), the tolerance line, the comments and the
// signature line.
void write_summary_workbook(XlsxDocument &doc, const SummaryReportModel &model);

// Lays it out and saves it to fileName, put in place only once complete. Needs no widget.
// False when it could not be saved.
bool save_summary_workbook(const SummaryReportModel &model, const QString &fileName);

#endif // SUMMARYREPORT_H
