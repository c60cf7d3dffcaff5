#include "summaryreport.h"

#include <algorithm>

#include "excelreport.h"

namespace {

// In characters: wide enough for the headings in either language and the longest figures.
double column_width(SummaryColumn column)
{
    switch (column) {
    case SummaryColumn::Number: return 6;
    case SummaryColumn::Block: return 18;
    case SummaryColumn::Count: return 7;
    case SummaryColumn::Minimum:
    case SummaryColumn::Maximum: return 9;
    case SummaryColumn::Mean: return 10;
    case SummaryColumn::Sigma:
    case SummaryColumn::Cpk: return 8;
    case SummaryColumn::Tolerance: return 7.5; // each of its two columns
    case SummaryColumn::Outside: return 16;
    case SummaryColumn::Verdict: return 14;
    }
    return 9;
}

} // namespace

// The fields table, the logo and the closing lines stand where the block report has them.
void write_summary_workbook(XlsxDocument &doc, const SummaryReportModel &model)
{
    const ReportModel &form = model.form;
    const SummaryTable &table = model.table;

    const WorkbookFormats formats;
    const XlsxFormat &cellFormat = formats.cell;
    XlsxFormat titleFormat = cellFormat;
    titleFormat.bold = true;
    titleFormat.textWrap = true;
    XlsxFormat nameFormat = cellFormat;
    nameFormat.horizontal = XlsxFormat::HAlign::Left;

    // The tolerance takes two sheet columns, a number cell for each limit.
    QVector<int> sheetColumns; // of each table column, and the one after the last
    int sheetColumn = 1;
    for (const SummaryColumn column : table.columns) {
        sheetColumns << sheetColumn;
        const int span = column == SummaryColumn::Tolerance ? 2 : 1;
        doc.setColumnWidth(sheetColumn, sheetColumn + span - 1, column_width(column));
        sheetColumn += span;
    }
    const int columns = int(table.columns.size());
    const int usedColumns = sheetColumn - 1;
    // The fields table and the logo need the columns up to I even beside a narrow table.
    if (usedColumns < 9)
        doc.setColumnWidth(usedColumns + 1, 9, 8.5);
    const int lastColumn = std::max(usedColumns, 9);

    const int top = write_workbook_head(doc, form, formats);
    doc.mergeCells(top + 1, 1, top + 1, lastColumn, formats.heading);
    doc.writeCell(top + 1, 1, model.title);

    const int headingRow = top + 2;
    for (int column = 0; column < columns; ++column) {
        const int first = sheetColumns.at(column);
        if (table.columns.at(column) == SummaryColumn::Tolerance)
            doc.mergeCells(headingRow, first, headingRow, first + 1, titleFormat);
        doc.writeCell(headingRow, first, table.titles.at(column), titleFormat);
    }
    int row = headingRow + 1;
    for (const QVector<SummaryCell> &cells : table.rows) {
        for (int column = 0; column < columns; ++column) {
            const SummaryCell &cell = cells.at(column);
            const int at = sheetColumns.at(column);
            // The figures as the text shows them, so that none reads "-0.0".
            if (cell.isNumber())
                write_figure(doc, row, at, cell.text, cellFormat);
            else if (cell.isLimits())
                write_limits(doc, row, at, cell.lower, cell.upper, cellFormat);
            else
                doc.writeCell(row, at, cell.text,
                              table.columns.at(column) == SummaryColumn::Block ? nameFormat : cellFormat);
        }
        ++row;
    }

    write_workbook_end(doc, form, row, lastColumn, formats);
}

bool save_summary_workbook(const SummaryReportModel &model, const QString &fileName)
{
    XlsxDocument doc;
    write_summary_workbook(doc, model);
    return doc.saveAs(fileName);
}
