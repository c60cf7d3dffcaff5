#include "summaryreport.h"

#include <algorithm>

#include "xlsxdocument.h"

namespace {

constexpr int logoWidth = 177;

XlsxFormat timesNewRoman()
{
    XlsxFormat f;
    f.fontName = QStringLiteral("Times New Roman");
    f.fontSize = 11;
    return f;
}

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
    case SummaryColumn::Outside: return 16;
    case SummaryColumn::Verdict: return 14;
    }
    return 9;
}

// The number format that shows a figure with the decimals of its text.
QString number_format(int decimals)
{
    return decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("0");
}

} // namespace

// The fields table, the logo and the closing lines stand where the block report has them.
void write_summary_workbook(XlsxDocument &doc, const SummaryReportModel &model)
{
    const ReportModel &form = model.form;
    const SummaryTable &table = model.table;

    XlsxFormat cellFormat = timesNewRoman();
    cellFormat.horizontal = XlsxFormat::HAlign::Center;
    cellFormat.vertical = XlsxFormat::VAlign::Center;
    cellFormat.setBorder(XlsxFormat::Border::Thin);
    XlsxFormat headingFormat = timesNewRoman();
    headingFormat.horizontal = XlsxFormat::HAlign::Center;
    headingFormat.vertical = XlsxFormat::VAlign::Center;
    headingFormat.bold = true;
    XlsxFormat textFormat = timesNewRoman();
    textFormat.horizontal = XlsxFormat::HAlign::Justify;
    textFormat.textWrap = true;
    XlsxFormat titleFormat = cellFormat;
    titleFormat.bold = true;
    titleFormat.textWrap = true;
    XlsxFormat nameFormat = cellFormat;
    nameFormat.horizontal = XlsxFormat::HAlign::Left;

    int logoRows = 0;
    if (!form.logo.isNull()) {
        const QImage scaled = form.logo.scaledToWidth(logoWidth, Qt::SmoothTransformation);
        doc.insertImage(0, 6, scaled);
        logoRows = int(scaled.heightMM() / 4.5 + 1);
    }

    const int columns = int(table.columns.size());
    for (int column = 0; column < columns; ++column)
        doc.setColumnWidth(column + 1, column + 1, column_width(table.columns.at(column)));
    // The fields table and the logo need the columns up to I even beside a narrow table.
    if (columns < 9)
        doc.setColumnWidth(columns + 1, 9, 8.5);
    const int lastColumn = std::max(columns, 9);

    int nextRow = 1;
    for (const ReportFieldRow &field : form.fieldRows()) {
        if (field.heading) {
            doc.mergeCells(QStringLiteral("A%1:F%1").arg(nextRow), headingFormat);
            doc.writeCell(nextRow, 1, field.label);
        } else {
            doc.mergeCells(QStringLiteral("A%1:C%1").arg(nextRow), cellFormat);
            doc.mergeCells(QStringLiteral("D%1:F%1").arg(nextRow), cellFormat);
            doc.writeCell(nextRow, 1, field.label);
            doc.writeCell(nextRow, 4, field.value);
        }
        ++nextRow;
    }

    const int top = std::max(logoRows, nextRow);
    doc.mergeCells(top + 1, 1, top + 1, lastColumn, headingFormat);
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

    int freeRow = row;
    if (form.toleranceLine) {
        ++freeRow;
        doc.mergeCells(freeRow, 1, freeRow, lastColumn, textFormat);
        doc.writeCell(freeRow, 1, form.toleranceText());
    }

    doc.mergeCells(freeRow + 2, 1, freeRow + 2, lastColumn, headingFormat);
    doc.writeCell(freeRow + 2, 1, form.commentsCaption);
    doc.mergeCells(freeRow + 3, 1, freeRow + 4, lastColumn, textFormat);
    doc.writeCell(freeRow + 3, 1, form.comments);
    doc.mergeCells(freeRow + 5, 1, freeRow + 5, lastColumn, headingFormat);
    doc.writeCell(freeRow + 5, 1, form.captions.excelSignature);
}

bool save_summary_workbook(const SummaryReportModel &model, const QString &fileName)
{
    XlsxDocument doc;
    write_summary_workbook(doc, model);
    return doc.saveAs(fileName);
}
