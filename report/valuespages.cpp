#include "valuespages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <cmath>
#include <utility>

#include "pagedprint.h"
#include "pageprobe.h"

namespace {

constexpr int columns = 3;

QTextBlock cell_block(QTextTable *table, int row, int column)
{
    return table->cellAt(row, column).firstCursorPosition().block();
}

// Where the layout puts the first line's text of a block, in the document.
QPointF text_start(QAbstractTextDocumentLayout *layout, const QTextBlock &block)
{
    const QTextLine line = block.layout()->lineAt(0);
    return layout->blockBoundingRect(block).topLeft() + QPointF(line.naturalTextRect().left(), line.y() + line.ascent());
}

// What the document rounds the table's place by: the draw of the heading's first
// cell against its layout. Lengths in the document are in 64ths of a pixel.
bool probe_rounding(QTextDocument &document, QTextTable *table, QPointF *delta)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    const QTextBlock heading = cell_block(table, 0, 0);
    if (heading.text().isEmpty() || heading.layout()->lineCount() < 1)
        return false;
    const QPointF expected = text_start(layout, heading);
    PageProbe probe(layout->paintDevice());
    probe.probePage(document, int(expected.y() / document.pageSize().height()));
    for (const PageProbe::Item &item : std::as_const(probe.items)) {
        const QPointF offset = item.pos - expected;
        if (item.text.isEmpty() || !heading.text().startsWith(item.text) || qAbs(offset.x()) > 1 || qAbs(offset.y()) > 1)
            continue;
        *delta = QPointF(std::round(offset.x() * 64) / 64, std::round(offset.y() * 64) / 64);
        return true;
    }
    return false;
}

QVector<qreal> row_tops(QTextDocument &document, QTextTable *table)
{
    QVector<qreal> tops;
    tops.reserve(table->rows());
    for (int row = 0; row < table->rows(); ++row)
        tops << document.documentLayout()->blockBoundingRect(cell_block(table, row, 0)).top();
    return tops;
}

} // namespace

ValuesPages::ValuesPages(QTextDocument &shortCopy, QTextTable *table, int tableRows)
{
    QAbstractTextDocumentLayout *layout = shortCopy.documentLayout();
    device = layout->paintDevice();
    const qreal pageHeight = shortCopy.pageSize().height();
    if (!device || pageHeight <= 0 || table->rows() < 2 || table->columns() != columns)
        return;

    const QVector<qreal> tops = row_tops(shortCopy, table);
    const auto pageOf = [&](int row) { return int(tops.at(row) / pageHeight); };
    firstPage = pageOf(1) + 1;
    before = 0;
    while (before < tops.size() && pageOf(before) < firstPage)
        ++before;
    perPage = 0;
    while (before + perPage < tops.size() && pageOf(before + perPage) == firstPage)
        ++perPage;
    // The copy must show a full alike page and the next one, each row one page below.
    if (perPage == 0 || before + 2 * perPage >= tops.size() || pageOf(before + perPage) != firstPage + 1)
        return;
    for (int row = before; row < before + perPage; ++row)
        if (tops.at(row + perPage) != tops.at(row) + pageHeight)
            return;

    if (!probe_rounding(shortCopy, table, &rounding))
        return;
    rowTops = tops.mid(before, perPage);
    for (int row = before; row < before + perPage; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QTextBlock block = cell_block(table, row, column);
            const QTextLayout *text = block.layout();
            if (text->lineCount() != 1)
                return;
            const QTextLine line = text->lineAt(0);
            Cell cell;
            cell.layoutPos = text->position();
            cell.origin = layout->blockBoundingRect(block).topLeft() - cell.layoutPos + rounding;
            cell.linePos = line.position();
            cell.lineWidth = line.width();
            cell.leadingIncluded = line.leadingIncluded();
            cell.option = text->textOption();
            cell.font = QFont(block.charFormat().font(), device);
            cells << cell;
        }
    }
    // An alike page's own drawing is only fills; they are drawn again for each.
    PageProbe page(device);
    page.probePage(shortCopy, firstPage);
    if (!page.other && page.items.isEmpty() && page.fillTransform == QTransform::fromTranslate(0, -firstPage * pageHeight)) {
        fills = page.fills;
        fillBrush = page.fillBrush;
    }
    // The last page of the table holds between one and perPage rows.
    alikeCount = (tableRows - before + perPage - 1) / perPage - 1;
    if (alikeCount < 1)
        alikeCount = 0;
}

bool ValuesPages::matches(QTextDocument &end, QTextTable *endTable) const
{
    if (!isValid() || endTable->rows() <= before || endTable->rows() > before + perPage)
        return false;
    const QVector<qreal> tops = row_tops(end, endTable);
    const qreal pageHeight = end.pageSize().height();
    if (int(tops.at(before - 1) / pageHeight) >= firstPage)
        return false;
    for (int row = before; row < tops.size(); ++row)
        if (tops.at(row) != rowTops.at(row - before))
            return false;
    // The texts of its first row after the alike pages, set as paint() sets them.
    QAbstractTextDocumentLayout *layout = end.documentLayout();
    for (int column = 0; column < columns; ++column) {
        const QTextBlock block = cell_block(endTable, before, column);
        const Cell &cell = cells.at(column);
        if (block.layout()->lineCount() != 1
            || layout->blockBoundingRect(block).topLeft() - block.layout()->position() + rounding != cell.origin)
            return false;
        QTextLayout text(block.text(), cell.font, device);
        layOut(text, cell);
        const QTextLine line = text.lineAt(0);
        const QTextLine expected = block.layout()->lineAt(0);
        if (text.lineCount() != 1 || line.naturalTextRect() != expected.naturalTextRect()
            || line.ascent() != expected.ascent() || line.textLength() != expected.textLength())
            return false;
    }
    return true;
}

void ValuesPages::layOut(QTextLayout &text, const Cell &cell)
{
    text.setTextOption(cell.option);
    text.beginLayout();
    QTextLine line = text.createLine();
    // The document counts the font's leading into its lines' height. Where the
    // font engine gives the font a leading (Qt 6 takes the font's own line gap)
    // that changes the line's box, though not where its text goes.
    line.setLeadingIncluded(cell.leadingIncluded);
    line.setLineWidth(cell.lineWidth);
    line.setPosition(cell.linePos);
    text.endLayout();
    text.setPosition(cell.layoutPos);
}

void ValuesPages::paint(QPainter &painter, const QRectF &view, int index, QTextDocument &shortCopy,
                        const QVector<ReportValueRow> &lines) const
{
    if (fills.isEmpty()) {
        draw_document(painter, shortCopy, view);
    } else {
        // One fill each, as the document draws them: where two meet, the edge
        // pixels they share add up as before.
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(fillBrush);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const QRectF &fill : fills)
            painter.drawRect(fill);
        painter.restore();
    }

    const QVector<QTextLayout::FormatRange> noSelections;
    painter.setPen(Qt::black);
    for (int i = 0; i < cells.size(); ++i) {
        const int row = before + index * perPage + i / columns;
        const ReportValueRow &line = lines.at(row - 1);
        const int column = i % columns;
        const QString shown = column == 0 ? QString::number(line.number) : column == 1 ? line.value : line.deviation;
        const Cell &cell = cells.at(i);
        QTextLayout text(shown, cell.font, device);
        layOut(text, cell);
        text.draw(&painter, cell.origin, noSelections, view);
    }
}
