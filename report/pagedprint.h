#ifndef PAGEDPRINT_H
#define PAGEDPRINT_H

#include <QPainter>
#include <QPointF>
#include <QRectF>

class QPagedPaintDevice;
class QTextDocument;

// Prints a document onto pages exactly as QTextDocument::print() does for a
// document without a page size (2 cm margins, page numbers), but without its copy
// of the document and the layouts that copy goes through. Made before the
// document gets its content, which is then best added in one edit block, so that
// it is laid out once, for the pages.
class PagedPrint
{
public:
    PagedPrint(QTextDocument &document, QPagedPaintDevice &device);

    bool isActive() const { return painter.isActive(); }
    void print();

private:
    QTextDocument &document;
    QPagedPaintDevice &device;
    QPainter painter;
    QRectF body;
    QPointF pageNumberPos;
};

#endif // PAGEDPRINT_H
