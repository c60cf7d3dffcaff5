#ifndef PDFPAGES_H
#define PDFPAGES_H

#include <QPainter>
#include <QRectF>

class QPdfWriter;
class QTextDocument;

// Puts a report onto the pages of a PDF, top to bottom, inside 2 cm margins: pieces laid
// out by text documents and tables painted here. A piece goes whole onto the next page
// when it does not fit the rest of this one but fits a page; only a piece taller than a
// page runs over pages, as its document pages it. Each page gets its number under the
// bottom right corner of its body.
class PdfPages
{
public:
    explicit PdfPages(QPdfWriter &writer);

    bool isActive() const { return painter.isActive(); }
    QPainter &paint() { return painter; }
    QPaintDevice &device();
    // Device pixels per unit of a text document's lengths (a border of 1, a fixed width).
    qreal documentScale() const { return scale; }
    QRectF body() const { return bodyRect; }
    qreal top() const { return y; } // where the next piece goes
    qreal room() const { return bodyRect.bottom() - y; }
    bool atPageTop() const { return y <= bodyRect.top(); }

    // Lays the document out for these pages, as wide as their body. Best called before
    // the document gets its content, which is then best added in one edit block.
    void prepare(QTextDocument &document) const;
    // Draws a prepared document below what the page holds, `gap` lower when that
    // still fits the page, else closer up.
    void place(QTextDocument &document, qreal gap = 0);
    // What was painted between top() and `bottom` is on the page: the next piece goes under it.
    void advanceTo(qreal bottom) { y = bottom; }
    void newPage();
    // Numbers the last page and closes the file's drawing.
    void finish();

private:
    void numberPage();
    void drawPart(QTextDocument &document, const QRectF &part);

    QPdfWriter &writer;
    QPainter painter;
    QRectF bodyRect;
    qreal scale = 1;
    qreal y = 0;
    int page = 1;
};

#endif // PDFPAGES_H
