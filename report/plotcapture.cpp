#include "plotcapture.h"

#include <qcustomplot.h>

QImage capture_plot(QCustomPlot *plot, const QSize &size)
{
    // A viewport of its own: resizing the widget instead would lay the window out
    // and replot it on screen twice, all at the click.
    return plot->toPixmap(size.width(), size.height(), 1.0).toImage();
}
