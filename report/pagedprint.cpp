#include "pagedprint.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QTextDocument>
#include <QTextFrame>

// The resolution the document's own lengths are in; QTextDocument::print() uses it.
Q_GUI_EXPORT int qt_defaultDpiX();
Q_GUI_EXPORT int qt_defaultDpiY();

PagedPrint::PagedPrint(QTextDocument &document, QPagedPaintDevice &device)
    : document(document)
    , device(device)
{
    QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    if (margins.isNull())
        device.setPageMargins(QMarginsF(2., 2., 2., 2.), QPageLayout::Millimeter);
    if (!painter.begin(&device))
        return;

    const qreal sourceDpiX = qt_defaultDpiX();
    const qreal sourceDpiY = qt_defaultDpiY();
    const qreal dpiScaleX = qreal(device.logicalDpiX()) / sourceDpiX;
    const qreal dpiScaleY = qreal(device.logicalDpiY()) / sourceDpiY;

    document.documentLayout()->setPaintDevice(&device);
    const int horizontalMargin = int((2 / 2.54) * sourceDpiX);
    const int verticalMargin = int((2 / 2.54) * sourceDpiY);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setLeftMargin(horizontalMargin);
    frame.setRightMargin(horizontalMargin);
    frame.setTopMargin(verticalMargin);
    frame.setBottomMargin(verticalMargin);
    document.rootFrame()->setFrameFormat(frame);

    const int dpiY = device.logicalDpiY();
    body = QRectF(0, 0, device.width(), device.height());
    pageNumberPos = QPointF(body.width() - horizontalMargin * dpiScaleX,
                            body.height() - verticalMargin * dpiScaleY
                                + QFontMetrics(document.defaultFont(), &device).ascent() + 5 * dpiY / 72.0);
    document.setPageSize(body.size());
}

void PagedPrint::print()
{
    if (!painter.isActive())
        return;
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    const int pages = document.pageCount();
    for (int page = 1; page <= pages; ++page) {
        painter.save();
        painter.translate(body.left(), body.top() - (page - 1) * body.height());
        const QRectF view(0, (page - 1) * body.height(), body.width(), body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        painter.setClipRect(view);
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, context);
        painter.setClipping(false);
        painter.setFont(QFont(document.defaultFont()));
        const QString number = QString::number(page);
        painter.drawText(qRound(pageNumberPos.x() - painter.fontMetrics().horizontalAdvance(number)),
                         qRound(pageNumberPos.y() + view.top()), number);
        painter.restore();
        if (page != pages && !device.newPage())
            break;
    }
    painter.end();
}
