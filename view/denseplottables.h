#ifndef DENSEPLOTTABLES_H
#define DENSEPLOTTABLES_H

#include "qcustomplot.h"

// Plottables that look as the library draws them, but take a shortcut once there are more
// of their points than pixels across: a long block then draws in a fraction of the time,
// and a short one (or a zoom into a long one) is drawn by the library itself.

// A graph that stamps its markers.

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

// Bars that, once far narrower than a pixel, are summed per pixel into one picture.
class DenseBars : public QCPBars
{
    Q_OBJECT

public:
    using QCPBars::QCPBars;

protected:
    void draw(QCPPainter *painter) override;

private:
    bool drawDense(QCPPainter *painter);
};

#endif // DENSEPLOTTABLES_H
