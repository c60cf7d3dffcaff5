#ifndef PLOTCAPTURE_H
#define PLOTCAPTURE_H

#include <QImage>
#include <QSize>

class QCustomPlot;

// Renders the plot at exactly `size` pixels for a report picture; the widget on
// screen keeps its size.
QImage capture_plot(QCustomPlot *plot, const QSize &size);

#endif // PLOTCAPTURE_H
