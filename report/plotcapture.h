#ifndef PLOTCAPTURE_H
#define PLOTCAPTURE_H

#include <QImage>
#include <QSize>

class QCustomPlot;

// Renders the plot at exactly `size` pixels for a report picture. Afterwards the
// plot gets back its own minimum and maximum size and its size, so it keeps
// following the window.
QImage capture_plot(QCustomPlot *plot, const QSize &size);

#endif // PLOTCAPTURE_H
