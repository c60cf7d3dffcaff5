#ifndef EXCELREPORT_H
#define EXCELREPORT_H

#include <QString>

#include "reportmodel.h"

#include "xlsxdocument.h"

// The formats the workbooks are written with: Times New Roman, 11 points.
struct WorkbookFormats
{
    WorkbookFormats();

    XlsxFormat cell;    // centred, thin borders
    XlsxFormat heading; // centred, bold
    XlsxFormat text;    // justified, wrapped
};

// The logo 177 pixels wide, its height in proportion rounded up, as Qt 5 scales an image to a
// width; Qt 6 rounds to the nearest, and a workbook should not depend on the Qt it is written with.
QImage workbook_logo(const QImage &logo);

// A workbook's head: the logo at G1 and the fields table in A to F from row 1. Returns the
// row after both, which the title follows.
int write_workbook_head(XlsxDocument &doc, const ReportModel &report, const WorkbookFormats &formats);
// A workbook's end below freeRow, across the columns A to lastColumn: the tolerance line in
// the row after it when the limits are shown, the comments' heading two rows below that, the
// comments in the two rows after it, and the signature line.
void write_workbook_end(XlsxDocument &doc, const ReportModel &report, int freeRow, int lastColumn,
                        const WorkbookFormats &formats);

// The number format that shows a figure with `decimals` decimals ("0.0", "0").
QString number_format(int decimals);
// A figure as the reports print it ("44.4", "-3", "1.33") goes in as a number cell
// showing the same decimals, so that a spreadsheet can compute with it; any other text
// ("—", "nan") as text.
void write_figure(XlsxDocument &doc, int row, int column, const QString &text, const XlsxFormat &format);

// The limits as two number cells that read "[lo; hi]" side by side: the lower bound at
// column, aligned to the right, the upper one in the next column, to the left, each shown
// with the decimals of the limits' text, so that a spreadsheet can compute with them.
void write_limits(XlsxDocument &doc, int row, int column, double lower, double upper, const XlsxFormat &format);

// Lays the report out on the document's one sheet, in columns A to I.
void write_excel_report(XlsxDocument &doc, const ReportModel &report);

// Lays the report out and saves it to fileName, put in place only once complete.
// Needs no widget, so it may run on any thread. False when it could not be saved.
bool save_excel_report(const ReportModel &report, const QString &fileName);

#endif // EXCELREPORT_H
