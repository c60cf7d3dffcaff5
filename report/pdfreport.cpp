#include "pdfreport.h"

#include <QTextDocument>
#include <QTextTable>

#include "pagedprint.h"
#include "pdfdocument.h"
#include "valuespages.h"

namespace {

// The short copy's values table, long enough to show its first alike pages whole.
constexpr int copyValueRows = 240;
// A text this short fits its column; a longer one could widen the column for the
// whole table, which only the whole table's layout knows.
constexpr int longestFittingText = 20;

QVector<int> rows_from(int first, int last) // first..last - 1, as value positions
{
    QVector<int> rows;
    rows.reserve(qMax(0, last - first));
    for (int i = first; i < last; ++i)
        rows << i;
    return rows;
}

bool texts_fit(const QVector<ReportValueRow> &lines)
{
    for (const ReportValueRow &line : lines)
        if (line.value.size() > longestFittingText || line.deviation.size() > longestFittingText)
            return false;
    return true;
}

// The report with its alike pages drawn from the short copy; false, having drawn
// nothing, when it cannot be done so.
bool print_with_alike_pages(PagedPrint &pages, const ReportModel &model, const QVector<ReportValueRow> &lines,
                            int pageWidth)
{
    if (lines.size() <= copyValueRows || !texts_fit(lines))
        return false;
    QTextDocument copy;
    copy.setDefaultFont(report_font());
    pages.prepare(copy);
    QTextTable *copyTable = build_pdf_document(copy, model, lines, QVector<int>(copyValueRows, -1), pageWidth);
    const ValuesPages alike(copy, copyTable, int(lines.size()) + 1);
    if (!alike.isValid())
        return false;

    // The end: the rows before the alike pages, then those after them.
    QTextDocument end;
    end.setDefaultFont(report_font());
    pages.prepare(end);
    QVector<int> endRows = rows_from(0, alike.rowsBefore() - 1);
    endRows += rows_from(alike.firstRowAfter() - 1, int(lines.size()));
    QTextTable *endTable = build_pdf_document(end, model, lines, endRows, pageWidth);
    if (!alike.matches(end, endTable))
        return false;

    int number = 1;
    for (int page = 0; page < alike.firstAlikePage(); ++page) {
        pages.drawPage(end, page, number++);
        pages.newPage();
    }
    for (int index = 0; index < alike.alikePages(); ++index) {
        pages.paintPage(copy, alike.firstAlikePage(), number++, [&](QPainter &painter, const QRectF &view) {
            alike.paint(painter, view, index, copy, lines);
        });
        pages.newPage();
    }
    const int endPages = end.pageCount();
    for (int page = alike.firstAlikePage(); page < endPages; ++page) {
        pages.drawPage(end, page, number++);
        if (page + 1 < endPages)
            pages.newPage();
    }
    pages.end();
    return true;
}

bool write_report(const ReportModel &model, const QString &fileName, bool alikePages, ValuesTableDrawing *drawing)
{
    *drawing = ValuesTableDrawing::Whole;
    return write_pdf_file(fileName, [&](PagedPrint &pages, int pageWidth) {
        QVector<ReportValueRow> lines;
        lines.reserve(model.data.values.size());
        for (int i = 0; i < model.data.values.size(); ++i)
            lines << model.valueRow(i);

        if (alikePages && print_with_alike_pages(pages, model, lines, pageWidth)) {
            *drawing = ValuesTableDrawing::AlikePages;
            return;
        }
        QTextDocument document;
        document.setDefaultFont(report_font());
        pages.prepare(document);
        build_pdf_document(document, model, lines, rows_from(0, int(lines.size())), pageWidth);
        pages.print(document);
    });
}

} // namespace

bool write_pdf_report(const ReportModel &model, const QString &fileName)
{
    ValuesTableDrawing drawing;
    return write_report(model, fileName, true, &drawing);
}

bool write_pdf_report_telling(const ReportModel &model, const QString &fileName, ValuesTableDrawing *drawing)
{
    return write_report(model, fileName, true, drawing);
}

bool write_whole_pdf_report(const ReportModel &model, const QString &fileName)
{
    ValuesTableDrawing drawing;
    return write_report(model, fileName, false, &drawing);
}
