#include "summaryreport.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextTable>

#include "pdfdocument.h"
#include "pdfpages.h"

namespace {

// Shares of the page's width: the texts of the tolerance, "Out of tolerance" the longest, and the
// name need the most.
int column_weight(SummaryColumn column)
{
    switch (column) {
    case SummaryColumn::Number: return 5;
    case SummaryColumn::Count: return 4;
    case SummaryColumn::Block: return 9;
    case SummaryColumn::Minimum:
    case SummaryColumn::Maximum: return 7;
    case SummaryColumn::Cpk: return 8;
    case SummaryColumn::Tolerance: return 11;
    case SummaryColumn::Mean: return 10;
    case SummaryColumn::Sigma: return 6;
    case SummaryColumn::Outside: return 17;
    case SummaryColumn::Verdict: return 16;
    }
    return 8;
}

} // namespace

QString summary_report_title()
{
    return QCoreApplication::translate("MainWindow", "Сводный отчет");
}

// The head and the end are the block report's, so that the two reports of one test go together.
void insert_summary(QTextCursor &cursor, const SummaryReportModel &model, const PdfFormats &formats)
{
    const ReportModel &form = model.form;
    const QTextBlockFormat &centerBlock = formats.centerBlock;
    const QTextBlockFormat &leftBlock = formats.leftBlock;

    insert_report_head(cursor, form, model.title, formats);

    // The summary, its headings again at the top of every page it runs onto.
    const SummaryTable &table = model.table;
    const int columns = int(table.columns.size());
    int weights = 0;
    for (const SummaryColumn column : table.columns)
        weights += column_weight(column);
    QVector<QTextLength> widths;
    for (const SummaryColumn column : table.columns)
        widths << QTextLength(QTextLength::PercentageLength, 100.0 * column_weight(column) / weights);
    QTextTableFormat summaryTable = formats.framedTable;
    summaryTable.setColumnWidthConstraints(widths);
    summaryTable.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    summaryTable.setHeaderRowCount(1);
    summaryTable.setCellPadding(2.0);
    QTextTable *summary = cursor.insertTable(int(table.rows.size()) + 1, columns, summaryTable);
    for (int column = 0; column < columns; ++column) {
        QTextCursor heading = summary->cellAt(0, column).firstCursorPosition();
        heading.setBlockFormat(centerBlock);
        heading.insertText(table.titles.at(column), formats.boldChars);
    }
    for (int row = 0; row < table.rows.size(); ++row) {
        const QVector<SummaryCell> &cells = table.rows.at(row);
        for (int column = 0; column < columns; ++column) {
            const bool name = table.columns.at(column) == SummaryColumn::Block;
            insert_cell_text(summary, row + 1, column, cells.at(column).text, name ? leftBlock : centerBlock);
        }
    }

    cursor.movePosition(QTextCursor::End);
    if (form.toleranceLine) {
        cursor.insertBlock();
        cursor.insertBlock();
        cursor.insertText(form.toleranceText(), formats.plainChars);
    }
}

bool write_summary_pdf(const SummaryReportModel &model, const QString &fileName)
{
    return write_pdf_file(fileName, report_metadata(model.form, model.title), [&model](PdfPages &pages, int pageWidth) {
        const PdfFormats formats(pageWidth);
        place_piece(pages, [&](QTextCursor &cursor) { insert_summary(cursor, model, formats); });
        place_piece(pages, [&](QTextCursor &cursor) { insert_report_end(cursor, model.form, formats); }, 3);
    });
}
