#ifndef PLOTPICTURES_H
#define PLOTPICTURES_H

#include <QSize>
#include <QVector>

#include "blockstatistics.h"
#include "plotcapture.h"
#include "tolerancelimits.h"

// What a report's plot pictures show: a block, its limits and the value range, never
// anything of the plots on screen (their zoom, pan, size or scale).
struct PlotPictureSource
{
    QVector<float> values;
    BlockStatistics statistics;
    Limits limits;
    double low = 0; // the value axis
    double high = 5;
};

// The graph and the diagram of the whole block at `size` pixels, drawn off screen with
// the window's plot setup; on the window's thread. Those not wanted are left null.
struct BlockPlotPictures
{
    PlotPicture graph;
    PlotPicture diagram;
};
BlockPlotPictures block_plot_pictures(const PlotPictureSource &source, const QSize &size, bool graph, bool diagram);

#endif // PLOTPICTURES_H
