#include "summaryreport.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextTable>
#include <QUrl>

#include "pagedprint.h"
#include "pdfdocument.h"

namespace {

const QUrl logoResource(QStringLiteral("ormeda-summary-logo"));

// Shares of the page's width: the texts of the tolerance, "Out of tolerance" the longest, and the
// name need the most.
int column_weight(SummaryColumn column)
{
    switch (column) {
    case SummaryColumn::Number:
    case SummaryColumn::Count: return 5;
    case SummaryColumn::Block: return 13;
    case SummaryColumn::Minimum:
    case SummaryColumn::Maximum:
    case SummaryColumn::Cpk: return 8;
    case SummaryColumn::Mean: return 9;
    case SummaryColumn::Sigma: return 7;
    case SummaryColumn::Outside:
    case SummaryColumn::Verdict: return 17;
    }
    return 8;
}

void write_cell(QTextTable *table, int row, int column, const QString &text, const QTextBlockFormat &block)
{
    QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
    cell.setBlockFormat(block);
    cell.insertText(text);
}

} // namespace

QString summary_report_title()
{
    return QCoreApplication::translate("MainWindow", "Сводный отчет");
}

// The header, the title and the closing lines look as the block report's do, so that the
// two reports of one test go together.
void build_summary_pdf_document(QTextDocument &document, const SummaryReportModel &model, int pageWidth)
{
    const ReportModel &form = model.form;
    const QTextLength third(QTextLength::FixedLength, pageWidth / 3);

    QTextTableFormat framedTable;
    framedTable.setBorder(1.0);
    framedTable.setColumnWidthConstraints({third, third, third});
    framedTable.setBorderBrush(QBrush(Qt::SolidPattern));
    framedTable.setCellSpacing(0);

    QTextBlockFormat centerBlock;
    centerBlock.setAlignment(Qt::AlignCenter);
    QTextBlockFormat leftBlock;
    leftBlock.setAlignment(Qt::AlignLeft);

    QTextCharFormat boldChars;
    boldChars.setFontWeight(QFont::Bold);
    QTextCharFormat plainChars;
    plainChars.setFont(report_font());
    QTextCharFormat titleChars;
    titleChars.setFontPointSize(16);
    titleChars.setFontWeight(QFont::Bold);

    QTextTableFormat plainTable;
    plainTable.setCellSpacing(0);
    plainTable.setCellPadding(0);
    plainTable.setBorder(0);

    QTextCursor cursor(&document);
    cursor.beginEditBlock();

    // Header: the fields table on the left, the logo on the right.
    QTextTable *header = cursor.insertTable(1, 2, plainTable);
    QTextCursor fieldsCursor = header->cellAt(0, 0).firstCursorPosition();
    const QVector<ReportFieldRow> fieldRows = form.fieldRows();
    QTextTable *fields = fieldsCursor.insertTable(int(fieldRows.size()), 2, framedTable);
    for (int row = 0; row < fieldRows.size(); ++row) {
        const ReportFieldRow &field = fieldRows.at(row);
        if (field.heading) {
            fields->mergeCells(row, 0, 1, 2);
            QTextCursor heading = fields->cellAt(row, 0).firstCursorPosition();
            heading.setBlockFormat(centerBlock);
            heading.insertText(field.label, boldChars);
            continue;
        }
        fields->cellAt(row, 0).firstCursorPosition().insertText(field.label);
        write_cell(fields, row, 1, field.value, centerBlock);
    }

    if (!form.logo.isNull()) {
        document.addResource(QTextDocument::ImageResource, logoResource, form.logo);
        QTextImageFormat picture;
        picture.setName(logoResource.toString());
        picture.setWidth(third.rawValue());
        // Away from the window's thread a picture of unset height is sized by its pixels,
        // not by its aspect.
        const qreal ratio = form.logo.devicePixelRatio();
        const int pixelWidth = int(form.logo.width() / ratio);
        const int pixelHeight = int(form.logo.height() / ratio);
        picture.setHeight(qRound(qRound(third.rawValue()) * (pixelHeight / qreal(pixelWidth))));
        header->cellAt(0, 1).firstCursorPosition().insertImage(picture);
    }

    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertBlock(centerBlock);
    cursor.insertText(model.title, titleChars);

    // The summary, its headings again at the top of every page it runs onto.
    const SummaryTable &table = model.table;
    const int columns = int(table.columns.size());
    int weights = 0;
    for (const SummaryColumn column : table.columns)
        weights += column_weight(column);
    QVector<QTextLength> widths;
    for (const SummaryColumn column : table.columns)
        widths << QTextLength(QTextLength::PercentageLength, 100.0 * column_weight(column) / weights);
    QTextTableFormat summaryTable = framedTable;
    summaryTable.setColumnWidthConstraints(widths);
    summaryTable.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    summaryTable.setHeaderRowCount(1);
    summaryTable.setCellPadding(2.0);
    QTextTable *summary = cursor.insertTable(int(table.rows.size()) + 1, columns, summaryTable);
    for (int column = 0; column < columns; ++column) {
        QTextCursor heading = summary->cellAt(0, column).firstCursorPosition();
        heading.setBlockFormat(centerBlock);
        heading.insertText(table.titles.at(column), boldChars);
    }
    for (int row = 0; row < table.rows.size(); ++row) {
        const QVector<SummaryCell> &cells = table.rows.at(row);
        for (int column = 0; column < columns; ++column) {
            const bool name = table.columns.at(column) == SummaryColumn::Block;
            write_cell(summary, row + 1, column, cells.at(column).text, name ? leftBlock : centerBlock);
        }
    }

    cursor.movePosition(QTextCursor::End);
    if (form.toleranceLine) {
        cursor.insertBlock();
        cursor.insertBlock();
        cursor.insertText(form.toleranceText(), plainChars);
    }

    // Comments and signature.
    titleChars.setFontPointSize(12);
    cursor.insertBlock(centerBlock);
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertText(form.commentsCaption, titleChars);
    cursor.insertBlock();
    cursor.insertText(form.comments, plainChars);
    cursor.insertBlock();
    cursor.insertBlock(centerBlock);
    cursor.insertText(form.captions.pdfSignature, titleChars);

    cursor.endEditBlock();
}

bool write_summary_pdf(const SummaryReportModel &model, const QString &fileName)
{
    // The PDF writer fails without a word on a target it cannot create, so the file is
    // opened here; it takes the chosen name only once complete.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    PagedPrint pages(writer);
    if (!pages.isActive())
        return false;
    const int pageWidth = int(writer.pageLayout().pageSize().sizePoints().width());

    QTextDocument document;
    document.setDefaultFont(report_font());
    pages.prepare(document);
    build_summary_pdf_document(document, model, pageWidth);
    pages.print(document);
    if (file.error() != QFileDevice::NoError || file.size() == 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
