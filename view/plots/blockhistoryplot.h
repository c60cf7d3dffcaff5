#ifndef BLOCKHISTORYPLOT_H
#define BLOCKHISTORYPLOT_H

#include <qcustomplot.h>

#include "blockhistory.h"

// A block's history over time: its mean as a point, its minimum to maximum as a line
// through it, and the limits as red lines while they are shown.
class BlockHistoryPlot : public QCustomPlot
{
    Q_OBJECT

public:
    explicit BlockHistoryPlot(QWidget *parent = nullptr);

    void draw(const QVector<HistoryPoint> &points, const Limits &limits);

    QCPGraph *means() const { return meanGraph; }
    QCPErrorBars *spreads() const { return spreadBars; }
    QCPItemStraightLine *minLine() const { return lines[0]; }
    QCPItemStraightLine *maxLine() const { return lines[1]; }

private:
    QCPGraph *meanGraph;
    QCPErrorBars *spreadBars;
    QCPItemStraightLine *lines[2];
};

#endif // BLOCKHISTORYPLOT_H
