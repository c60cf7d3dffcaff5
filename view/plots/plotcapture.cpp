#include "plotcapture.h"

#include <QPainter>

#include <qcustomplot.h>

#include "denseplottables.h"

namespace {

// A line of this many points, each reaching across the plot, strokes in some tens
// of milliseconds; the library thins a longer block down to a few per pixel, which
// can still take hundreds.
constexpr int longLine = 500;

DenseGraph *long_line(QCustomPlot *plot)
{
    for (int i = 0; i < plot->graphCount(); ++i) {
        auto *graph = qobject_cast<DenseGraph *>(plot->graph(i));
        if (graph && graph->realVisibility() && graph->lineStyle() != QCPGraph::lsNone && graph->dataCount() > longLine
            && graph->brush().style() == Qt::NoBrush && !graph->selected())
            return graph;
    }
    return nullptr;
}

} // namespace

QImage capture_plot(QCustomPlot *plot, const QSize &size)
{
    // A viewport of its own: resizing the widget instead would lay the window out
    // and replot it on screen twice, all at the click.
    return plot->toPixmap(size.width(), size.height(), 1.0).toImage();
}

PlotPicture sketch_plot(QCustomPlot *plot, const QSize &size)
{
    DenseGraph *graph = long_line(plot);
    if (!graph)
        return PlotPicture(capture_plot(plot, size));

    PlotPicture picture;
    graph->setPart(DenseGraph::Part::UpToLine);
    capture_plot(plot, size);
    picture.below = graph->below();
    picture.lines = graph->lines();
    // What follows the line, on a picture the graph clears when it comes to its line.
    graph->setPart(DenseGraph::Part::AfterLine);
    picture.above = QImage(size, QImage::Format_ARGB32_Premultiplied);
    picture.above.fill(Qt::transparent);
    QCPPainter painter(&picture.above);
    plot->toPainter(&painter, size.width(), size.height());
    painter.end();
    graph->setPart(DenseGraph::Part::Whole);
    if (picture.below.isNull())
        return PlotPicture(capture_plot(plot, size));
    return picture;
}

QImage PlotPicture::finished() const
{
    if (lines.isEmpty() && above.isNull())
        return below;
    QImage whole = below;
    QPainter painter(&whole);
    for (const GraphLine &line : lines)
        draw_graph_line(painter, line);
    painter.drawImage(0, 0, above);
    painter.end();
    return whole;
}
