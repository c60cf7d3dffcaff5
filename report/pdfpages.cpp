#include "pdfpages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include "pdfdocument.h"

namespace {

constexpr qreal marginCm = 2;

// What a document makes of a fixed length on the device: its lengths are in pixels of
// the toolkit's own resolution, which the device's may differ from.
qreal document_scale(QPaintDevice *device)
{
    constexpr qreal length = 1000;
    QTextDocument document;
    document.setDocumentMargin(0);
    document.documentLayout()->setPaintDevice(device);
    QTextFrameFormat format;
    format.setWidth(QTextLength(QTextLength::FixedLength, length));
    format.setBorder(0);
    format.setMargin(0);
    format.setPadding(0);
    QTextCursor cursor(&document);
    QTextFrame *frame = cursor.insertFrame(format);
    return document.documentLayout()->frameBoundingRect(frame).width() / length;
}

} // namespace

PdfPages::PdfPages(QPdfWriter &writer)
    : writer(writer)
{
    if (writer.pageLayout().margins(QPageLayout::Millimeter).isNull())
        writer.setPageMargins(QMarginsF(2., 2., 2., 2.), QPageLayout::Millimeter);
    if (!painter.begin(&writer))
        return;
    const qreal marginX = marginCm / 2.54 * writer.logicalDpiX();
    const qreal marginY = marginCm / 2.54 * writer.logicalDpiY();
    bodyRect = QRectF(marginX, marginY, writer.width() - 2 * marginX, writer.height() - 2 * marginY);
    scale = document_scale(&writer);
    y = bodyRect.top();
}

QPaintDevice &PdfPages::device()
{
    return writer;
}

void PdfPages::prepare(QTextDocument &document) const
{
    document.documentLayout()->setPaintDevice(&writer);
    document.setDocumentMargin(0);
    document.setTextWidth(bodyRect.width());
}

void PdfPages::drawPart(QTextDocument &document, const QRectF &part)
{
    painter.save();
    painter.translate(bodyRect.left() - part.left(), y - part.top());
    painter.setClipRect(part);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = part;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

void PdfPages::place(QTextDocument &document, qreal gap)
{
    if (!isActive())
        return;
    const qreal height = document.documentLayout()->documentSize().height();
    if (!atPageTop())
        y += qBound(0.0, room() - height, gap);
    if (height > room() && height <= bodyRect.height() && !atPageTop())
        newPage();
    if (height <= room()) {
        drawPart(document, QRectF(0, 0, bodyRect.width(), height));
        y += height;
        return;
    }
    if (!atPageTop())
        newPage();
    const qreal pageHeight = bodyRect.height();
    document.setPageSize(bodyRect.size());
    const int pages = document.pageCount();
    for (int part = 0; part < pages; ++part) {
        if (part > 0)
            newPage();
        drawPart(document, QRectF(0, part * pageHeight, bodyRect.width(), pageHeight));
    }
    const QTextBlock last = document.lastBlock();
    const qreal end = document.documentLayout()->blockBoundingRect(last).bottom();
    y = bodyRect.top() + end - (pages - 1) * pageHeight;
}

void PdfPages::numberPage()
{
    const QFont font = report_font();
    const QFontMetricsF metrics(font, &writer);
    const QString text = QString::number(page);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(bodyRect.right() - metrics.horizontalAdvance(text),
                             bodyRect.bottom() + metrics.ascent() + 5 * writer.logicalDpiY() / 72.0),
                     text);
    painter.restore();
}

void PdfPages::newPage()
{
    if (!isActive())
        return;
    numberPage();
    writer.newPage();
    ++page;
    y = bodyRect.top();
}

void PdfPages::finish()
{
    if (!isActive())
        return;
    numberPage();
    painter.end();
}
