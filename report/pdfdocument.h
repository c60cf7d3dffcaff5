#ifndef PDFDOCUMENT_H
#define PDFDOCUMENT_H

#include <QFont>
#include <QTextFormat>
#include <QVector>

#include <functional>

#include "reportmodel.h"

class PdfPages;
class QTextCursor;
class QTextDocument;
class QTextTable;

// The report's font, the documents' default.
QFont report_font();

// The formats the PDF reports are written with, on a page pageWidth points wide.
struct PdfFormats
{
    explicit PdfFormats(int pageWidth);

    QTextLength third;  // of the page's width
    QTextLength sixth;
    QTextTableFormat framedTable; // bordered, three columns of a third
    QTextTableFormat plainTable;  // no border, spacing or padding
    QTextBlockFormat centerBlock;
    QTextBlockFormat leftBlock;
    QTextCharFormat boldChars;
    QTextCharFormat plainChars; // the report's font
    QTextCharFormat titleChars; // 16 points, bold
};

// The text into a cell of the table, in the block format.
void insert_cell_text(QTextTable *table, int row, int column, const QString &text, const QTextBlockFormat &block);

// A report's head at the cursor, in an empty document: the fields table with the logo
// beside it, then two empty paragraphs and the title, centred. The cursor ends after it.
void insert_report_head(QTextCursor &cursor, const ReportModel &model, const QString &title,
                        const PdfFormats &formats);
// A report's end, a piece of its own: the comments under their heading and the signature
// line, centred, heading and signature in 12-point bold. Three lines below what precedes
// it, where the page has room for them.
void insert_report_end(QTextCursor &cursor, const ReportModel &model, const PdfFormats &formats);

// What a PDF says of itself to a document archive.
struct PdfMetadata
{
    QString title;
    QString author;
    QString creator;
};

// The metadata of a report whose title is `title`: the title and the report number, the
// operator as the author, the program as the creator.
PdfMetadata report_metadata(const ReportModel &model, const QString &title);

// Writes a PDF file of A4 pages at 300 dots per inch, printed by `print` with the page's
// width in points; the file takes the name only once complete. False when it could not
// be written.
bool write_pdf_file(const QString &fileName, const PdfMetadata &metadata,
                    const std::function<void(PdfPages &, int pageWidth)> &print);

// A piece of a report, filled by `fill` into a document of its own, placed on the pages.
// `gapLines` empty lines of the report's font before it, as far as the page has room.
void place_piece(PdfPages &pages, const std::function<void(QTextCursor &)> &fill, int gapLines = 0);

// The statistics table, the tolerance assessment's rows after it, after an empty line.
void insert_statistics(QTextCursor &cursor, const ReportModel &model, const PdfFormats &formats);

#endif // PDFDOCUMENT_H
