#include "pdfdocument.h"

#include <QFontMetricsF>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include "pdfpages.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "reporttexts.h"

namespace {

// The logo goes in as a document resource, never through a file on disk.
const QUrl logoResource(QStringLiteral("ormeda-report-logo"));

QString xml_escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The author has no field of its own in the writer's document information; archives read
// it from the document's XMP packet, which then also carries the title and the creator.
QByteArray xmp_metadata(const PdfMetadata &metadata)
{
    const QString packet = QStringLiteral(
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
        "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
        "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'"
        " xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
        "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
        "<dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
        "<xmp:CreatorTool>%3</xmp:CreatorTool>\n"
        "</rdf:Description>\n"
        "</rdf:RDF>\n"
        "</x:xmpmeta>\n"
        "<?xpacket end='w'?>");
    return packet.arg(xml_escaped(metadata.title), xml_escaped(metadata.author), xml_escaped(metadata.creator))
        .toUtf8();
}

// The PDF writer compresses each page through buffers of some megabytes (two of 16 MB and
// a page with Qt 6), allocated and freed page by page. The C library hands blocks that
// large back to the system at once and takes fresh, zeroed ones for the next page: with a
// thousand pages that costs more than all their drawing. Kept in the process, they are
// reused. 32 MB is the largest threshold the library takes.
void keep_large_blocks()
{
#ifdef __GLIBC__
    static const bool kept = [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        return true;
    }();
    Q_UNUSED(kept);
#endif
}

} // namespace

PdfMetadata report_metadata(const ReportModel &model, const QString &title)
{
    const QString number = model.data.reportNumber.trimmed();
    return {number.isEmpty() ? title : title + QLatin1Char(' ') + number, model.data.operatorName.trimmed(),
            model.data.creator};
}

void insert_cell_text(QTextTable *table, int row, int column, const QString &text, const QTextBlockFormat &block)
{
    QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
    cell.setBlockFormat(block);
    cell.insertText(text);
}

QFont report_font()
{
    return QFont(QStringLiteral("Times New Roman"), 10);
}

PdfFormats::PdfFormats(int pageWidth)
    : third(QTextLength::FixedLength, pageWidth / 3)
    , sixth(QTextLength::FixedLength, pageWidth / 6)
{
    framedTable.setBorder(1.0);
    framedTable.setColumnWidthConstraints({third, third, third});
    framedTable.setBorderBrush(QBrush(Qt::SolidPattern));
    framedTable.setCellSpacing(0);

    plainTable.setCellSpacing(0);
    plainTable.setCellPadding(0);
    plainTable.setBorder(0);

    centerBlock.setAlignment(Qt::AlignCenter);
    leftBlock.setAlignment(Qt::AlignLeft);

    boldChars.setFontWeight(QFont::Bold);
    plainChars.setFont(report_font());
    titleChars.setFontPointSize(16);
    titleChars.setFontWeight(QFont::Bold);
}

void insert_report_head(QTextCursor &cursor, const ReportModel &model, const QString &title,
                        const PdfFormats &formats)
{
    // The fields table on the left, the logo on the right.
    QTextTable *header = cursor.insertTable(1, 2, formats.plainTable);
    QTextCursor fieldsCursor = header->cellAt(0, 0).firstCursorPosition();
    const QVector<ReportFieldRow> fieldRows = model.fieldRows();
    QTextTable *fields = fieldsCursor.insertTable(int(fieldRows.size()), 2, formats.framedTable);
    for (int row = 0; row < fieldRows.size(); ++row) {
        const ReportFieldRow &field = fieldRows.at(row);
        if (field.heading) {
            fields->mergeCells(row, 0, 1, 2);
            QTextCursor heading = fields->cellAt(row, 0).firstCursorPosition();
            heading.setBlockFormat(formats.centerBlock);
            heading.insertText(field.label, formats.boldChars);
            continue;
        }
        fields->cellAt(row, 0).firstCursorPosition().insertText(field.label);
        insert_cell_text(fields, row, 1, field.value, formats.centerBlock);
    }

    if (!model.logo.isNull()) {
        cursor.document()->addResource(QTextDocument::ImageResource, logoResource, model.logo);
        QTextImageFormat picture;
        picture.setName(logoResource.toString());
        picture.setWidth(formats.third.rawValue());
        // Away from the window's thread the document sizes a picture of unset
        // height by its pixels, not by its aspect: the height is given as the
        // window's thread would work it out.
        const qreal ratio = model.logo.devicePixelRatio();
        const int pixelWidth = int(model.logo.width() / ratio);
        const int pixelHeight = int(model.logo.height() / ratio);
        picture.setHeight(qRound(qRound(formats.third.rawValue()) * (pixelHeight / qreal(pixelWidth))));
        header->cellAt(0, 1).firstCursorPosition().insertImage(picture);
    }

    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertBlock(formats.centerBlock);
    cursor.insertText(title, formats.titleChars);
}

void insert_report_end(QTextCursor &cursor, const ReportModel &model, const PdfFormats &formats)
{
    QTextCharFormat headingChars = formats.titleChars;
    headingChars.setFontPointSize(12);
    cursor.movePosition(QTextCursor::End);
    cursor.setBlockFormat(formats.centerBlock);
    cursor.insertText(model.commentsCaption, headingChars);
    cursor.insertBlock();
    cursor.insertText(model.comments, formats.plainChars);
    cursor.insertBlock();
    cursor.insertBlock(formats.centerBlock);
    cursor.insertText(model.captions.pdfSignature, headingChars);
}

bool write_pdf_file(const QString &fileName, const PdfMetadata &metadata,
                    const std::function<void(PdfPages &, int pageWidth)> &print)
{
    // The PDF writer fails without a word on a target it cannot create, so the
    // file is opened here; it takes the chosen name only once complete.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    keep_large_blocks();
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setTitle(metadata.title);
    writer.setCreator(metadata.creator);
    writer.setDocumentXmpMetadata(xmp_metadata(metadata));
    PdfPages pages(writer);
    if (!pages.isActive())
        return false;
    print(pages, int(writer.pageLayout().pageSize().sizePoints().width()));
    pages.finish();
    if (file.error() != QFileDevice::NoError || file.size() == 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void place_piece(PdfPages &pages, const std::function<void(QTextCursor &)> &fill, int gapLines)
{
    QTextDocument document;
    document.setDefaultFont(report_font());
    pages.prepare(document);
    QTextCursor cursor(&document);
    // Laid out once, at the end; every change would lay it out again.
    cursor.beginEditBlock();
    fill(cursor);
    cursor.endEditBlock();
    pages.place(document, gapLines * QFontMetricsF(report_font(), &pages.device()).lineSpacing());
}

void insert_statistics(QTextCursor &cursor, const ReportModel &model, const PdfFormats &formats)
{
    const QTextBlockFormat &centerBlock = formats.centerBlock;
    const QTextBlockFormat &leftBlock = formats.leftBlock;
    const QTextCharFormat &plainChars = formats.plainChars;
    cursor.insertBlock();
    QTextTableFormat statsTable;
    statsTable.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    statsTable.setBorder(1.0);
    statsTable.setBorderBrush(QBrush(Qt::black, Qt::SolidPattern));
    statsTable.setCellSpacing(0);
    statsTable.setCellPadding(4.0);
    statsTable.setColumnWidthConstraints({formats.sixth, formats.sixth});
    // The heading and four statistics, then the tolerance assessment's rows, if any.
    constexpr int statisticsRows = 5;
    QTextTable *stats = cursor.insertTable(statisticsRows + int(model.toleranceRows.size()), 2, statsTable);
    stats->mergeCells(0, 0, 1, 2);
    QTextCharFormat boldChars10;
    boldChars10.setFontWeight(QFont::Bold);
    boldChars10.setFontPointSize(10);
    QTextCursor statsHeading = stats->cellAt(0, 0).firstCursorPosition();
    statsHeading.setBlockFormat(centerBlock);
    statsHeading.insertText(model.statisticsCaption, boldChars10);
    const auto writeStatistic = [&](int row, const QString &label, const QString &value,
                                    const QTextBlockFormat &labelBlock, const QTextBlockFormat &valueBlock) {
        QTextTableCell labelCell = stats->cellAt(row, 0);
        QTextTableCell valueCell = stats->cellAt(row, 1);
        labelCell.setFormat(plainChars);
        valueCell.setFormat(plainChars);
        QTextCursor labelCursor = labelCell.firstCursorPosition();
        labelCursor.setBlockFormat(labelBlock);
        labelCursor.insertText(label);
        QTextCursor valueCursor = valueCell.firstCursorPosition();
        valueCursor.setBlockFormat(valueBlock);
        valueCursor.insertText(value);
    };
    const QVector<ReportStatistic> statistics = model.pdfStatistics();
    for (int i = 0; i < statistics.size(); ++i)
        writeStatistic(i + 1, statistics.at(i).label, statistic_text(statistics.at(i).value), leftBlock,
                       centerBlock);
    // "3 из 21 (14.3 %)" broken after its number would read as two figures: a text
    // wider than its column widens the column instead.
    QTextBlockFormat unbrokenLeft = leftBlock;
    unbrokenLeft.setNonBreakableLines(true);
    QTextBlockFormat unbrokenCenter = centerBlock;
    unbrokenCenter.setNonBreakableLines(true);
    for (int i = 0; i < model.toleranceRows.size(); ++i)
        writeStatistic(statisticsRows + i, model.toleranceRows.at(i).label, model.toleranceRows.at(i).text,
                       unbrokenLeft, unbrokenCenter);
}
