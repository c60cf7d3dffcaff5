#include "valuestable.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>

#include <cmath>

#include "pdfdocument.h"
#include "pdfpages.h"

namespace {

constexpr int columns = 3;

struct Grid
{
    qreal left = 0;
    qreal column = 0; // a column's width, its left border included
    qreal line = 0;   // a border's width
    qreal row = 0;    // a row's height, its top border included
    qreal ascent = 0;

    // Where a text of that width starts, centred in its column.
    qreal textLeft(int column, qreal width) const
    {
        return left + column * this->column + line + (this->column - line - width) / 2;
    }
};

// A page's texts in one colour, set glyph by glyph: shaping each of tens of thousands of
// short figures costs many times what their drawing does.
class GlyphSet
{
public:
    explicit GlyphSet(const QRawFont &font) : font(font) {}

    void add(const QString &text, QPointF at)
    {
        const QVector<quint32> indexes = font.glyphIndexesForString(text);
        const QVector<QPointF> advances = font.advancesForGlyphIndexes(indexes);
        for (int i = 0; i < indexes.size(); ++i) {
            glyphs << indexes.at(i);
            positions << at;
            at += advances.at(i);
        }
    }
    static qreal width(const QRawFont &font, const QString &text)
    {
        qreal sum = 0;
        for (const QPointF &advance : font.advancesForGlyphIndexes(font.glyphIndexesForString(text)))
            sum += advance.x();
        return sum;
    }
    void draw(QPainter &painter, const QColor &colour)
    {
        if (glyphs.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.setPen(colour);
        painter.drawGlyphRun(QPointF(0, 0), run);
        glyphs.clear();
        positions.clear();
    }

private:
    QRawFont font;
    QVector<quint32> glyphs;
    QVector<QPointF> positions;
};

void paint_borders(QPainter &painter, const Grid &grid, qreal top, int rows)
{
    const qreal height = rows * grid.row + grid.line;
    for (int column = 0; column <= columns; ++column)
        painter.fillRect(QRectF(grid.left + column * grid.column, top, grid.line, height), Qt::black);
    for (int row = 0; row <= rows; ++row)
        painter.fillRect(QRectF(grid.left, top + row * grid.row, columns * grid.column + grid.line, grid.line),
                         Qt::black);
}

// The heading's texts may be of any script: laid out as text.
void paint_heading(QPainter &painter, const QFontMetricsF &metrics, const Grid &grid, qreal top,
                   const QVector<QString> &headings)
{
    painter.setPen(Qt::black);
    for (int column = 0; column < columns; ++column)
        painter.drawText(QPointF(grid.textLeft(column, metrics.horizontalAdvance(headings.at(column))),
                                 top + grid.line + grid.ascent),
                         headings.at(column));
}

} // namespace

void paint_values_table(PdfPages &pages, const QVector<QString> &headings, const QVector<ReportValueRow> &rows,
                        qreal columnWidth)
{
    if (!pages.isActive() || headings.size() != columns)
        return;
    QPainter &painter = pages.paint();
    const QFont font(report_font(), &pages.device());
    const QFontMetricsF metrics(font);
    const QRawFont rawFont = QRawFont::fromFont(font);
    Grid grid;
    grid.left = pages.body().left();
    grid.line = pages.documentScale();
    grid.column = columnWidth * pages.documentScale();
    grid.row = std::ceil(metrics.height()) + grid.line;
    grid.ascent = metrics.ascent();
    GlyphSet black(rawFont);
    GlyphSet red(rawFont);

    painter.save();
    painter.setFont(font);
    int next = 0;
    do {
        // The heading and at least one row, or the heading alone when there is none.
        const int least = rows.isEmpty() ? 1 : 2;
        if (pages.room() < least * grid.row + grid.line && !pages.atPageTop())
            pages.newPage();
        const int fit = qMax(least, int((pages.room() - grid.line) / grid.row)) - 1;
        const int count = qMin(fit, int(rows.size()) - next);
        const qreal top = pages.top();
        paint_borders(painter, grid, top, count + 1);
        paint_heading(painter, metrics, grid, top, headings);
        for (int i = 0; i < count; ++i) {
            const ReportValueRow &row = rows.at(next + i);
            const qreal baseline = top + (i + 1) * grid.row + grid.line + grid.ascent;
            const QString texts[columns] = {QString::number(row.number), row.value, row.deviation};
            for (int column = 0; column < columns; ++column) {
                GlyphSet &set = column == 1 && row.outside ? red : black;
                const QString &text = texts[column];
                set.add(text, QPointF(grid.textLeft(column, GlyphSet::width(rawFont, text)), baseline));
            }
        }
        black.draw(painter, Qt::black);
        red.draw(painter, Qt::red);
        next += count;
        pages.advanceTo(top + (count + 1) * grid.row + grid.line);
        if (next < rows.size())
            pages.newPage();
    } while (next < rows.size());
    painter.restore();
}
