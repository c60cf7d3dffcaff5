#include "pagedprint.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QTextDocument>
#include <QTextFrame>

// The resolution the document's own lengths are in; QTextDocument::print() uses it.
Q_GUI_EXPORT int qt_defaultDpiX();
Q_GUI_EXPORT int qt_defaultDpiY();

namespace {

int horizontal_margin() { return int((2 / 2.54) * qt_defaultDpiX()); }
int vertical_margin() { return int((2 / 2.54) * qt_defaultDpiY()); }

} // namespace

PagedPrint::PagedPrint(QPagedPaintDevice &device)
    : device(device)
{
    QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    if (margins.isNull())
        device.setPageMargins(QMarginsF(2., 2., 2., 2.), QPageLayout::Millimeter);
    if (!painter.begin(&device))
        return;
    body = QRectF(0, 0, device.width(), device.height());
}

void PagedPrint::prepare(QTextDocument &document) const
{
    document.documentLayout()->setPaintDevice(&device);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setLeftMargin(horizontal_margin());
    frame.setRightMargin(horizontal_margin());
    frame.setTopMargin(vertical_margin());
    frame.setBottomMargin(vertical_margin());
    document.rootFrame()->setFrameFormat(frame);
    document.setPageSize(QRectF(0, 0, device.width(), device.height()).size());
}

void PagedPrint::drawPage(QTextDocument &document, int page, int number)
{
    paintPage(document, page, number,
              [&document](QPainter &painter, const QRectF &view) { draw_document(painter, document, view); });
}

void PagedPrint::paintPage(const QTextDocument &document, int page, int number,
                           const std::function<void(QPainter &, const QRectF &)> &paint)
{
    if (!painter.isActive())
        return;
    const qreal dpiScaleX = qreal(device.logicalDpiX()) / qt_defaultDpiX();
    const qreal dpiScaleY = qreal(device.logicalDpiY()) / qt_defaultDpiY();
    const QPointF numberPos(body.width() - horizontal_margin() * dpiScaleX,
                            body.height() - vertical_margin() * dpiScaleY
                                + QFontMetrics(document.defaultFont(), &device).ascent()
                                + 5 * device.logicalDpiY() / 72.0);

    painter.save();
    painter.translate(body.left(), body.top() - page * body.height());
    const QRectF view(0, page * body.height(), body.width(), body.height());
    painter.setClipRect(view);
    paint(painter, view);
    painter.setClipping(false);
    painter.setFont(QFont(document.defaultFont()));
    const QString text = QString::number(number);
    painter.drawText(qRound(numberPos.x() - painter.fontMetrics().horizontalAdvance(text)),
                     qRound(numberPos.y() + view.top()), text);
    painter.restore();
}

bool PagedPrint::newPage()
{
    return painter.isActive() && device.newPage();
}

void PagedPrint::print(QTextDocument &document)
{
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        drawPage(document, page, page + 1);
        if (page + 1 != pages && !newPage())
            break;
    }
    end();
}


void draw_document(QPainter &painter, QTextDocument &document, const QRectF &view)
{
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
}
