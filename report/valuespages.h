#ifndef VALUESPAGES_H
#define VALUESPAGES_H

#include <QBrush>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QTextOption>
#include <QVector>

#include "reportmodel.h"

class QPainter;
class QPaintDevice;
class QTextDocument;
class QTextLayout;
class QTextTable;

// The values table of a long block runs over many pages, and all of them but the
// first and the last few look alike: the same rows in the same places, only their
// texts differ. Laying such a table out whole costs many times the rest of the
// report, so the alike pages are drawn from one laid-out page of a short copy of
// the report, with each page's texts set where the document sets them.
class ValuesPages
{
public:
    // `shortCopy` is the report, laid out for the pages, with a values table
    // (`table`) whose rows after the heading are empty; the full table has
    // `tableRows` rows, its heading included.
    ValuesPages(QTextDocument &shortCopy, QTextTable *table, int tableRows);

    // False when the table is too short for alike pages, or the copy is not laid
    // out as they need: then the report is laid out whole.
    bool isValid() const { return alikeCount > 0; }
    int firstAlikePage() const { return firstPage; } // from 0
    int alikePages() const { return alikeCount; }
    int rowsBefore() const { return before; }         // table rows before the alike pages
    int firstRowAfter() const { return before + alikeCount * perPage; }

    // Whether the report's end, laid out with the table rows before the alike
    // pages and then those after them, sets them as the full table would.
    bool matches(QTextDocument &end, QTextTable *endTable) const;
    // Alike page `index`, in the coordinates of the short copy's page
    // firstAlikePage(): that page with its cells' texts; table row r shows lines[r - 1].
    void paint(QPainter &painter, const QRectF &view, int index, QTextDocument &shortCopy,
               const QVector<ReportValueRow> &lines) const;

private:
    struct Cell
    {
        QPointF origin;    // where the document draws the cell's text layout
        QPointF layoutPos; // the layout's position, and its one line's
        QPointF linePos;
        qreal lineWidth = 0;
        bool leadingIncluded = false;
        QTextOption option;
        QFont font;
    };

    // Sets a cell's text as the document sets it.
    static void layOut(QTextLayout &text, const Cell &cell);

    QPaintDevice *device = nullptr;
    QPointF rounding; // of the table's place when drawn
    int firstPage = 0;
    int alikeCount = 0;
    int before = 0;
    int perPage = 0;
    QVector<qreal> rowTops; // of the short copy's first alike page
    QVector<Cell> cells;    // its rows × 3 columns
    QVector<QRectF> fills;  // its borders, when that is all it draws
    QBrush fillBrush;
};

#endif // VALUESPAGES_H
