#include "pdfdocument.h"

#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include "reporttexts.h"

namespace {

// The logo goes in as a document resource, never through a file on disk.
const QUrl logoResource(QStringLiteral("ormeda-report-logo"));

} // namespace

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
    cursor.insertBlock(formats.centerBlock);
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertText(model.commentsCaption, headingChars);
    cursor.insertBlock();
    cursor.insertText(model.comments, formats.plainChars);
    cursor.insertBlock();
    cursor.insertBlock(formats.centerBlock);
    cursor.insertText(model.captions.pdfSignature, headingChars);
}

bool write_pdf_file(const QString &fileName, const std::function<void(PagedPrint &, int pageWidth)> &print)
{
    // The PDF writer fails without a word on a target it cannot create, so the
    // file is opened here; it takes the chosen name only once complete.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    PagedPrint pages(writer);
    if (!pages.isActive())
        return false;
    print(pages, int(writer.pageLayout().pageSize().sizePoints().width()));
    if (file.error() != QFileDevice::NoError || file.size() == 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QTextTable *build_pdf_document(QTextDocument &document, const ReportModel &model,
                               const QVector<ReportValueRow> &lines, const QVector<int> &rows, int pageWidth)
{
    const ReportData &data = model.data;
    const PdfFormats formats(pageWidth);
    const QTextBlockFormat &centerBlock = formats.centerBlock;
    const QTextBlockFormat &leftBlock = formats.leftBlock;
    const QTextCharFormat &plainChars = formats.plainChars;
    const QTextLength &sixth = formats.sixth;

    QTextCursor cursor(&document);
    // Laid out once, at the end, for the pages; every change would lay it out again.
    cursor.beginEditBlock();
    insert_report_head(cursor, model, model.captions.pdfTitle, formats);

    // Values: rounded to their decimals, unlike the screen, which cuts.
    QTextTable *values = cursor.insertTable(int(rows.size()) + 1, 3, formats.framedTable);
    insert_cell_text(values, 0, 0, model.captions.number, centerBlock);
    insert_cell_text(values, 0, 1, data.valueTitle, centerBlock);
    insert_cell_text(values, 0, 2, deviation_caption(), centerBlock);
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.at(i) < 0) {
            for (int column = 0; column < 3; ++column)
                insert_cell_text(values, i + 1, column, QString(), centerBlock);
            continue;
        }
        const ReportValueRow &line = lines.at(rows.at(i));
        insert_cell_text(values, i + 1, 0, QString::number(line.number), centerBlock);
        insert_cell_text(values, i + 1, 1, line.value, centerBlock);
        insert_cell_text(values, i + 1, 2, line.deviation, centerBlock);
    }

    // Statistics.
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertBlock();
    QTextTableFormat statsTable;
    statsTable.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    statsTable.setBorder(1.0);
    statsTable.setBorderBrush(QBrush(Qt::black, Qt::SolidPattern));
    statsTable.setCellSpacing(0);
    statsTable.setCellPadding(4.0);
    statsTable.setColumnWidthConstraints({sixth, sixth});
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
        writeStatistic(i + 1, statistics.at(i).label, QString::number(statistics.at(i).value, 'f', 1), leftBlock,
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

    // Plot pictures.
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertBlock();
    for (const QImage &picture : model.plots) {
        cursor.insertImage(picture);
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
    }

    if (model.toleranceLine) {
        cursor.insertBlock();
        cursor.insertText(model.toleranceText(), plainChars);
    }

    insert_report_end(cursor, model, formats);
    cursor.endEditBlock();
    return values;
}
