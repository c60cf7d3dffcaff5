#ifndef PLOTCAPTURE_H
#define PLOTCAPTURE_H

#include <QImage>
#include <QSize>
#include <QVector>

#include "graphline.h"

class QCustomPlot;

// Renders the plot at exactly `size` pixels for a report picture; the widget on
// screen keeps its size.
QImage capture_plot(QCustomPlot *plot, const QSize &size);

// A report picture of a plot as it is at the click. With a long block its graph's
// line, which costs more than all the rest, is kept undrawn, to be drawn with the
// rest of the report away from the window.
class PlotPicture
{
public:
    PlotPicture() = default;
    explicit PlotPicture(const QImage &whole) : below(whole) {}

    // The whole picture; on any thread.
    QImage finished() const;

private:
    friend PlotPicture sketch_plot(QCustomPlot *plot, const QSize &size);

    QImage below; // all of it, when nothing was kept
    QVector<GraphLine> lines;
    QImage above; // transparent but for what is drawn over the line
};

PlotPicture sketch_plot(QCustomPlot *plot, const QSize &size);

#endif // PLOTCAPTURE_H
