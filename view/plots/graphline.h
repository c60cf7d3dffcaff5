#ifndef GRAPHLINE_H
#define GRAPHLINE_H

#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QTransform>
#include <QVector>

// A graph's line as the plot was about to draw it: the points and the painter's
// state. Drawn by draw_graph_line, on any thread, it comes out as it would have.
struct GraphLine
{
    QVector<QPointF> points; // NaN and infinity break the line
    QPen pen;
    QTransform transform;
    QRect clip; // in device pixels; null: none
    QPainter::RenderHints hints;
};

void draw_graph_line(QPainter &painter, const GraphLine &line);

#endif // GRAPHLINE_H
