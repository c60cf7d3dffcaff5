#ifndef PLOTPICTURES_H
#define PLOTPICTURES_H

#include <QSize>
#include <QVector>

#include "plotcapture.h"
#include "reportdata.h"

// The graph and the diagram of the whole block at `size` pixels, drawn off screen with
// the window's plot setup; on the window's thread. Those not wanted are left null.
struct BlockPlotPictures
{
    PlotPicture graph;
    PlotPicture diagram;
};
BlockPlotPictures block_plot_pictures(const PlotPictureSource &source, const QSize &size, bool graph, bool diagram);

#endif // PLOTPICTURES_H
