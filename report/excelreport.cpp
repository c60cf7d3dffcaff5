#include "excelreport.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

#include "reportlog.h"
#include "reporttexts.h"

namespace {

constexpr int logoWidth = 177;
constexpr int lastColumn = 9; // I
constexpr int firstRowLimit = 45;

XlsxFormat times_new_roman()
{
    XlsxFormat f;
    f.fontName = QStringLiteral("Times New Roman");
    f.fontSize = 11;
    return f;
}

// Writes the three captions over one column group of the values table.
void write_group_header(XlsxDocument &doc, int row, int column, const ReportModel &report,
                        const QString &valueTitle, const XlsxFormat &cellFormat, bool thickLeft)
{
    XlsxFormat numberFormat = cellFormat;
    if (thickLeft)
        numberFormat.left = XlsxFormat::Border::Thick;
    doc.writeCell(row, column, report.captions.number, numberFormat);
    doc.writeCell(row, column + 1, valueTitle, cellFormat);
    doc.writeCell(row, column + 2, deviation_caption(), cellFormat);
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A figure between two texts: "[" 0.0 ";" for a positive number or zero, "[-" 0.0 ";" for a
// negative one, as the second section of a format is for negative numbers and shows them with
// no sign of its own.
QString framed_format(const QString &before, int decimals, const QString &after)
{
    const QString digits = number_format(decimals);
    return quoted(before) + digits + quoted(after) + QLatin1Char(';') + quoted(before + QLatin1Char('-')) + digits
         + quoted(after);
}

} // namespace

QString number_format(int decimals)
{
    return decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("0");
}

void write_figure(XlsxDocument &doc, int row, int column, const QString &text, const XlsxFormat &format)
{
    static const QRegularExpression figure(QStringLiteral("^-?\\d+(\\.(\\d+))?$"));
    const QRegularExpressionMatch match = figure.match(text);
    if (!match.hasMatch()) {
        doc.writeCell(row, column, text, format);
        return;
    }
    XlsxFormat numberCell = format;
    numberCell.numberFormat = number_format(int(match.capturedLength(2)));
    // + 0.0: a figure that rounded to "-0.0" was written "0.0", and so is the cell.
    doc.writeCell(row, column, QLocale::c().toDouble(text) + 0.0, numberCell);
}

void write_limits(XlsxDocument &doc, int row, int column, double lower, double upper, const XlsxFormat &format)
{
    const ShownLimit low = shown_limit(lower);
    const ShownLimit high = shown_limit(upper);
    XlsxFormat lowFormat = format;
    lowFormat.horizontal = XlsxFormat::HAlign::Right;
    lowFormat.right = XlsxFormat::Border::None;
    lowFormat.numberFormat = framed_format(QStringLiteral("["), low.decimals, QStringLiteral(";"));
    XlsxFormat highFormat = format;
    highFormat.horizontal = XlsxFormat::HAlign::Left;
    highFormat.left = XlsxFormat::Border::None;
    highFormat.numberFormat = framed_format(QStringLiteral(" "), high.decimals, QStringLiteral("]"));
    doc.writeCell(row, column, low.value, lowFormat);
    doc.writeCell(row, column + 1, high.value, highFormat);
}

WorkbookFormats::WorkbookFormats()
    : cell(times_new_roman())
    , heading(times_new_roman())
    , text(times_new_roman())
{
    cell.horizontal = XlsxFormat::HAlign::Center;
    cell.vertical = XlsxFormat::VAlign::Center;
    cell.setBorder(XlsxFormat::Border::Thin);
    heading.horizontal = XlsxFormat::HAlign::Center;
    heading.vertical = XlsxFormat::VAlign::Center;
    heading.bold = true;
    text.horizontal = XlsxFormat::HAlign::Justify;
    text.textWrap = true;
}

QImage workbook_logo(const QImage &logo)
{
    const double factor = double(logoWidth) / logo.width();
    const int height = int(factor * logo.height() + 0.9999);
    return logo.scaled(logoWidth, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int write_workbook_head(XlsxDocument &doc, const ReportModel &report, const WorkbookFormats &formats)
{
    int logoRows = 0;
    if (!report.logo.isNull()) {
        const QImage scaled = workbook_logo(report.logo);
        doc.insertImage(0, 6, scaled);
        const int heightMm = scaled.heightMM();
        qCDebug(reportLog) << heightMm;
        logoRows = int(heightMm / 4.5 + 1);
    }

    // Fields table, a heading before the first included entry of each section.
    int nextRow = 1;
    for (const ReportFieldRow &field : report.fieldRows()) {
        if (field.heading) {
            doc.mergeCells(QStringLiteral("A%1:F%1").arg(nextRow), formats.heading);
            doc.writeCell(nextRow, 1, field.label);
        } else {
            doc.mergeCells(QStringLiteral("A%1:C%1").arg(nextRow), formats.cell);
            doc.mergeCells(QStringLiteral("D%1:F%1").arg(nextRow), formats.cell);
            doc.writeCell(nextRow, 1, field.label);
            doc.writeCell(nextRow, 4, field.value);
        }
        ++nextRow;
    }
    return std::max(logoRows, nextRow);
}

void write_workbook_end(XlsxDocument &doc, const ReportModel &report, int freeRow, int lastColumn,
                        const WorkbookFormats &formats)
{
    if (report.toleranceLine) {
        ++freeRow;
        doc.mergeCells(freeRow, 1, freeRow, lastColumn, formats.text);
        doc.writeCell(freeRow, 1, report.toleranceText());
    }
    doc.mergeCells(freeRow + 2, 1, freeRow + 2, lastColumn, formats.heading);
    doc.writeCell(freeRow + 2, 1, report.commentsCaption);
    doc.mergeCells(freeRow + 3, 1, freeRow + 4, lastColumn, formats.text);
    doc.writeCell(freeRow + 3, 1, report.comments);
    doc.mergeCells(freeRow + 5, 1, freeRow + 5, lastColumn, formats.heading);
    doc.writeCell(freeRow + 5, 1, report.captions.excelSignature);
}

void write_excel_report(XlsxDocument &doc, const ReportModel &report)
{
    const WorkbookFormats formats;
    const XlsxFormat &cellFormat = formats.cell;

    doc.setColumnWidth(1, lastColumn, 8.5);
    const int top = write_workbook_head(doc, report, formats);
    doc.mergeCells(QStringLiteral("A%1:I%1").arg(top + 1), formats.heading);
    doc.writeCell(top + 1, 1, report.captions.excelTitle);

    const QString &valueTitle = report.data.valueTitle;
    write_group_header(doc, top + 2, 1, report, valueTitle, cellFormat, false);

    // Values in column groups of three; a full block continues below with a
    // row limit twice the last one.
    int blockFirstDataRow = top + 3;
    int rowLimit = firstRowLimit;
    // A title pushed far down by a tall logo would leave the first block no
    // row at all, and the next block's header would land above the title.
    while (rowLimit < blockFirstDataRow)
        rowLimit *= 2;
    int groupColumn = 1;
    int freeRow = 0;
    int row = blockFirstDataRow;
    bool thickLeft = false;
    XlsxFormat numberFormat = cellFormat;
    XlsxFormat outsideFormat = cellFormat;
    outsideFormat.fontColor = qRgb(255, 0, 0);
    for (int i = 0; i < report.data.values.size(); ++i) {
        const ReportValueRow line = report.valueRow(i);
        numberFormat.left = thickLeft ? XlsxFormat::Border::Thick : XlsxFormat::Border::Thin;
        doc.writeCell(row, groupColumn, line.number, numberFormat);
        write_figure(doc, row, groupColumn + 1, line.value, line.outside ? outsideFormat : cellFormat);
        write_figure(doc, row, groupColumn + 2, line.deviation, cellFormat);
        const int written = row;
        ++row;

        // Rows run down to rowLimit; a full group continues in the next three
        // columns of the same rows, and a full third group starts a block whose
        // header stands two rows below the limit (one row left blank).
        if (written < rowLimit) {
            freeRow = std::max(freeRow, row);
        } else if (groupColumn + 3 <= lastColumn) {
            groupColumn += 3;
            write_group_header(doc, blockFirstDataRow - 1, groupColumn, report, valueTitle, cellFormat, true);
            thickLeft = true;
            row = blockFirstDataRow;
            freeRow = std::max(freeRow, row);
        } else {
            write_group_header(doc, rowLimit + 2, 1, report, valueTitle, cellFormat, false);
            blockFirstDataRow = rowLimit + 3;
            rowLimit *= 2;
            groupColumn = 1;
            thickLeft = false;
            row = blockFirstDataRow;
        }
    }

    // Statistics beside the block unless its third group is in use.
    int statsRow = blockFirstDataRow - 1;
    int statsColumn = 8; // H
    if (groupColumn > 4) {
        statsRow = rowLimit + 2;
        statsColumn = 1;
    }
    doc.mergeCells(statsRow, statsColumn, statsRow, statsColumn + 1, cellFormat);
    doc.writeCell(statsRow, statsColumn, report.statisticsCaption);
    for (int i = 0; i < report.statistics.size(); ++i) {
        doc.writeCell(statsRow + 1 + i, statsColumn, report.statistics.at(i).label, cellFormat);
        write_figure(doc, statsRow + 1 + i, statsColumn + 1, statistic_text(report.statistics.at(i).value),
                     cellFormat);
    }
    // The caption and four statistics take five rows; the tolerance assessment follows
    // them, the limits and Cp and Cpk as numbers when they are figures.
    const int toleranceRow = statsRow + 5;
    for (int i = 0; i < report.toleranceRows.size(); ++i) {
        const ReportTextStatistic &line = report.toleranceRows.at(i);
        doc.writeCell(toleranceRow + i, statsColumn, line.label, cellFormat);
        if (line.isLimits())
            write_limits(doc, toleranceRow + i, statsColumn + 1, line.lower, line.upper, cellFormat);
        else
            write_figure(doc, toleranceRow + i, statsColumn + 1, line.text, cellFormat);
    }
    freeRow = std::max(freeRow, toleranceRow + int(report.toleranceRows.size()));

    // A picture covers its height in rows of the default 20 pixels, and one row
    // is left free below it.
    for (const QImage &picture : report.plots) {
        doc.insertImage(freeRow, 0, picture);
        freeRow += (picture.height() + 19) / 20 + 1;
    }

    write_workbook_end(doc, report, freeRow, lastColumn, formats);
}

bool save_excel_report(const ReportModel &report, const QString &fileName)
{
    XlsxDocument doc;
    write_excel_report(doc, report);
    return doc.saveAs(fileName);
}
