#ifndef DENSEPLOTTABLES_H
#define DENSEPLOTTABLES_H

#include "qcustomplot.h"

#include "graphline.h"

// Plottables that look as the library draws them, but take a shortcut once there are more
// of their points than pixels across: a long block then draws in a fraction of the time,
// and a short one (or a zoom into a long one) is drawn by the library itself.

// A graph that stamps its markers, and that a picture can be drawn around: in a
// picture the library strokes a long block's line as one wide polyline, which
// costs more than all the rest of the plot, so the line can be kept, to be drawn
// later on any thread, between what the plot draws before it and what after.

class DenseGraph : public QCPGraph
{
    Q_OBJECT

public:
    using QCPGraph::QCPGraph;

    // How the next drawing goes: all of it; or it keeps the line and what the
    // picture held just before it (below()), the rest drawn in vain; or it clears
    // the picture where the line would be drawn, leaving what comes after it on a
    // transparent one.
    enum class Part { Whole, UpToLine, AfterLine };
    void setPart(Part part);
    const QImage &below() const { return belowLine; }
    const QVector<GraphLine> &lines() const { return keptLines; }

protected:
    void drawLinePlot(QCPPainter *painter, const QVector<QPointF> &lines) const override;
    void drawScatterPlot(QCPPainter *painter, const QVector<QPointF> &scatters,
                         const QCPScatterStyle &style) const override;

private:
    Part part = Part::Whole;
    mutable QImage belowLine;
    mutable QVector<GraphLine> keptLines;
    mutable bool lineReached = false;
    static constexpr int stampSteps = 4;
    mutable QVector<QPixmap> stamps;
    mutable QCPScatterStyle stampStyle;
    mutable bool stampSmooth = false;
    mutable double stampRatio = 0;
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
