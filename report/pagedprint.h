#ifndef PAGEDPRINT_H
#define PAGEDPRINT_H

#include <QPainter>
#include <QRectF>

#include <functional>

class QPagedPaintDevice;
class QTextDocument;

// Prints documents onto pages exactly as QTextDocument::print() does for a
// document without a page size (2 cm margins, page numbers), but without its copy
// of the document and the layouts that copy goes through. Pages of several
// documents may follow one another on the same device, numbered as given.
class PagedPrint
{
public:
    explicit PagedPrint(QPagedPaintDevice &device);

    bool isActive() const { return painter.isActive(); }
    // Gives the document the pages' size and margins. Best called before the
    // document gets its content, which is then best added in one edit block, so
    // that it is laid out once, for the pages.
    void prepare(QTextDocument &document) const;
    // Draws page `page` (from 0) of a prepared document, numbered `number`.
    void drawPage(QTextDocument &document, int page, int number);
    // A page numbered as the document's are, its content painted by `paint` in
    // the coordinates of the document's page `page`, clipped to that page.
    void paintPage(const QTextDocument &document, int page, int number,
                   const std::function<void(QPainter &, const QRectF &view)> &paint);
    // Starts the next page; false when the device could not.
    bool newPage();
    // Every page of one prepared document, numbered from 1, and the end.
    void print(QTextDocument &document);
    void end() { painter.end(); }

private:
    QPagedPaintDevice &device;
    QPainter painter;
    QRectF body;
};

// Draws the part of the document that lies in `view` (in the document's
// coordinates) as its pages show it: text in black.
void draw_document(QPainter &painter, QTextDocument &document, const QRectF &view);

#endif // PAGEDPRINT_H
