#include "graphline.h"

#include <cmath>

void draw_graph_line(QPainter &painter, const GraphLine &line)
{
    painter.save();
    painter.resetTransform();
    if (!line.clip.isNull())
        painter.setClipRect(line.clip);
    painter.setTransform(line.transform);
    painter.setRenderHints(~line.hints, false);
    painter.setRenderHints(line.hints, true);
    painter.setPen(line.pen);
    painter.setBrush(Qt::NoBrush);
    // In pictures the plot draws its line as polylines broken where a point is not finite.
    const QVector<QPointF> &points = line.points;
    int start = 0;
    for (int i = 0; i < points.size(); ++i) {
        if (std::isnan(points.at(i).y()) || std::isnan(points.at(i).x()) || std::isinf(points.at(i).y())) {
            painter.drawPolyline(points.constData() + start, i - start);
            start = i + 1;
        }
    }
    painter.drawPolyline(points.constData() + start, int(points.size()) - start);
    painter.restore();
}
