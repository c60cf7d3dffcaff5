#include "plotpictures.h"

#include "blockplots.h"
#include "qcustomplot.h"

BlockPlotPictures block_plot_pictures(const PlotPictureSource &source, const QSize &size, bool graph, bool diagram)
{
    BlockPlotPictures pictures;
    if (!graph && !diagram)
        return pictures;
    // Never shown: they take no size, zoom or scale from the screen.
    QCustomPlot graphPlot;
    QCustomPlot diagramPlot;
    BlockPlots plots(&graphPlot, &diagramPlot);
    plots.setReplotting(false);
    plots.draw(source.values, source.statistics, source.limits);
    graphPlot.yAxis->setRange(source.low, source.high);
    if (graph)
        pictures.graph = sketch_plot(&graphPlot, size);
    if (diagram)
        pictures.diagram = sketch_plot(&diagramPlot, size);
    return pictures;
}
