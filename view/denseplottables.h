#ifndef DENSEPLOTTABLES_H
#define DENSEPLOTTABLES_H

#include "qcustomplot.h"

// A graph that looks as the library draws it, but stamps its markers once there are more
// of them than pixels across: a long block then draws in a fraction of the time, and a
// short one (or a zoom into a long one) is drawn by the library itself.

class DenseGraph : public QCPGraph
{
    Q_OBJECT

public:
    using QCPGraph::QCPGraph;

protected:
    void drawScatterPlot(QCPPainter *painter, const QVector<QPointF> &scatters,
                         const QCPScatterStyle &style) const override;

private:
    static constexpr int stampSteps = 4;
    mutable QVector<QPixmap> stamps;
    mutable QCPScatterStyle stampStyle;
    mutable bool stampSmooth = false;
};

#endif // DENSEPLOTTABLES_H
