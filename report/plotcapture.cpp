#include "plotcapture.h"

#include <qcustomplot.h>

QImage capture_plot(QCustomPlot *plot, const QSize &size)
{
    const QSize ownMinimum = plot->minimumSize();
    const QSize ownMaximum = plot->maximumSize();
    const QSize ownSize = plot->size();

    plot->setMinimumSize(size);
    plot->setMaximumSize(size);
    plot->replot(QCustomPlot::rpRefreshHint);
    const QImage picture = plot->toPixmap(0, 0, 1.0).toImage();

    plot->setMaximumSize(ownMaximum);
    plot->setMinimumSize(ownMinimum);
    plot->resize(ownSize);
    plot->updateGeometry();
    return picture;
}
