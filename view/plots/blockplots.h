#ifndef BLOCKPLOTS_H
#define BLOCKPLOTS_H

#include <QObject>
#include <QVector>

#include "blockstatistics.h"
#include "tolerancelimits.h"

class QCPItemStraightLine;
class QCPRange;
class QCustomPlot;

// A block's graph and bar diagram, drawn from its values and the limits. The two
// plots always show the same ranges: a change on either is mirrored on the other.
class BlockPlots : public QObject
{
    Q_OBJECT

public:
    // Sets both plots up: range drag and zoom (the zoom along the keys), the
    // mirrored ranges, and the four limit lines, hidden.
    BlockPlots(QCustomPlot *graph, QCustomPlot *diagram, QObject *parent = nullptr);

    // Replaces everything drawn with the values, marked against the limits when
    // they are shown; the keys run 0 … n + 1, the values over valueRange() of
    // the statistics.
    void draw(const QVector<float> &values, const BlockStatistics &statistics, const Limits &limits);
    // The limit lines follow the limits at the plots' next replot.
    void setLimitLines(const Limits &limits);
    // The wheel zooms along the keys (horizontal) or the values (vertical).
    void setZoomOrientation(Qt::Orientations orientation);
    // Both plots back to the whole block drawn last, as draw() showed it; a double
    // click on either plot does it.
    void showWhole();
    // Off: nothing replots the plots, which are only rendered into pictures.
    void setReplotting(bool on) { replotsHeld += on ? -1 : 1; }

    // n = 0: 0 … 5; one value: ±10 % around it; otherwise half the spread added on
    // both sides. Equal bounds (all values alike) are refused by the axes.
    static QCPRange valueRange(const BlockStatistics &statistics);

    QCustomPlot *graph() const { return graphPlot; }
    QCustomPlot *diagram() const { return diagramPlot; }
    QCPItemStraightLine *graphMinLine() const { return lines[0]; }
    QCPItemStraightLine *graphMaxLine() const { return lines[1]; }
    QCPItemStraightLine *diagramMinLine() const { return lines[2]; }
    QCPItemStraightLine *diagramMaxLine() const { return lines[3]; }

private:
    void replot(QCustomPlot *plot) const;

    QCustomPlot *graphPlot;
    QCustomPlot *diagramPlot;
    QCPItemStraightLine *lines[4];
    int drawnCount = 0;
    double wholeLow = 0; // the value range draw() gave, refused or not
    double wholeHigh = 5;
    // While draw() runs every replot asked for would be thrown away unseen by its
    // own at the end, and with tens of thousands of values each costs a lot.
    int replotsHeld = 0;
};

#endif // BLOCKPLOTS_H
