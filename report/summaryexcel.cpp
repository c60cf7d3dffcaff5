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
    case SummaryColumn::Tolerance: return 14;
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

    const int columns = int(table.columns.size());
    for (int column = 0; column < columns; ++column)
        doc.setColumnWidth(column + 1, column + 1, column_width(table.columns.at(column)));
    // The fields table and the logo need the columns up to I even beside a narrow table.
    if (columns < 9)
        doc.setColumnWidth(columns + 1, 9, 8.5);
    const int lastColumn = std::max(columns, 9);

    const int top = write_workbook_head(doc, form, formats);
    doc.mergeCells(top + 1, 1, top + 1, lastColumn, formats.heading);
    doc.writeCell(top + 1, 1, model.title);

    const int headingRow = top + 2;
    for (int column = 0; column < columns; ++column)
        doc.writeCell(headingRow, column + 1, table.titles.at(column), titleFormat);
    int row = headingRow + 1;
    for (const QVector<SummaryCell> &cells : table.rows) {
        for (int column = 0; column < columns; ++column) {
            const SummaryCell &cell = cells.at(column);
            if (cell.isNumber()) {
                XlsxFormat numberCell = cellFormat;
                numberCell.numberFormat = number_format(cell.decimals);
                doc.writeCell(row, column + 1, cell.figure, numberCell);
            } else {
                const bool name = table.columns.at(column) == SummaryColumn::Block;
                doc.writeCell(row, column + 1, cell.text, name ? nameFormat : cellFormat);
            }
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
