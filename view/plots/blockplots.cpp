#include "blockplots.h"

#include "denseplottables.h"
#include "qcustomplot.h"

namespace {

const auto rangeChangedSignal = qOverload<const QCPRange &>(&QCPAxis::rangeChanged);
const auto setRangeSlot = qOverload<const QCPRange &>(&QCPAxis::setRange);

QPen bar_pen()
{
    return QPen(QBrush(QColor(0, 0, 0, 150)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

void add_bars(QCustomPlot *plot, const QVector<double> &keys, const QVector<double> &values, const QColor &fill)
{
    auto *bars = new DenseBars(plot->xAxis, plot->yAxis);
    bars->setBaseValue(0);
    bars->setData(keys, values, true);
    bars->setPen(bar_pen());
    bars->setBrush(QBrush(fill, Qt::SolidPattern));
}

// What addGraph does, with a graph that copes with long blocks.
QCPGraph *add_graph(QCustomPlot *plot)
{
    auto *graph = new DenseGraph(plot->xAxis, plot->yAxis);
    graph->setName(QLatin1String("Graph ") + QString::number(plot->graphCount()));
    return graph;
}

class Hold
{
public:
    explicit Hold(int &count) : count(count) { ++count; }
    ~Hold() { --count; }
    Hold(const Hold &) = delete;
    Hold &operator=(const Hold &) = delete;

private:
    int &count;
};

} // namespace

BlockPlots::BlockPlots(QCustomPlot *graph, QCustomPlot *diagram, QObject *parent)
    : QObject(parent)
    , graphPlot(graph)
    , diagramPlot(diagram)
{
    for (QCustomPlot *plot : {graph, diagram}) {
        plot->setInteraction(QCP::iRangeZoom, true);
        plot->setInteraction(QCP::iRangeDrag, true);
        plot->axisRect()->setRangeZoom(Qt::Horizontal);
        // A wide pen stroked as one polyline through tens of thousands of points takes
        // most of a second; drawn segment by segment it looks the same and takes milliseconds.
        plot->setPlottingHint(QCP::phFastPolylines, true);
    }

    // An axis set to the range it already has emits nothing, so each change makes one round only.
    connect(graph->xAxis, rangeChangedSignal, diagram->xAxis, setRangeSlot);
    connect(diagram->xAxis, rangeChangedSignal, graph->xAxis, setRangeSlot);
    connect(graph->xAxis, rangeChangedSignal, graph, [this, graph] { replot(graph); });
    connect(diagram->xAxis, rangeChangedSignal, diagram, [this, diagram] { replot(diagram); });
    connect(graph->yAxis, rangeChangedSignal, diagram->yAxis, setRangeSlot);
    connect(diagram->yAxis, rangeChangedSignal, graph->yAxis, setRangeSlot);
    connect(graph->yAxis, rangeChangedSignal, graph, [this, graph] { replot(graph); });
    connect(diagram->yAxis, rangeChangedSignal, diagram, [this, diagram] { replot(diagram); });

    for (QCustomPlot *plot : {graph, diagram})
        connect(plot, &QCustomPlot::mouseDoubleClick, this, &BlockPlots::showWhole);

    lines[0] = new QCPItemStraightLine(graph);
    lines[1] = new QCPItemStraightLine(graph);
    lines[2] = new QCPItemStraightLine(diagram);
    lines[3] = new QCPItemStraightLine(diagram);
}

void BlockPlots::replot(QCustomPlot *plot) const
{
    if (replotsHeld == 0)
        plot->replot();
}

QCPRange BlockPlots::valueRange(const BlockStatistics &statistics)
{
    if (statistics.count == 0)
        return QCPRange(0, 5);
    if (statistics.count == 1) {
        const double v = statistics.minimum;
        const double margin = 0.1 * v;
        return QCPRange(v - margin, v + margin);
    }
    const double margin = 0.5 * (double(statistics.maximum) - double(statistics.minimum));
    return QCPRange(statistics.minimum - margin, statistics.maximum + margin);
}

void BlockPlots::draw(const QVector<float> &values, const BlockStatistics &statistics, const Limits &limits)
{
    const int n = int(values.size());
    QVector<double> keys;
    QVector<double> data;
    keys.reserve(n);
    data.reserve(n);
    for (int i = 0; i < n; ++i) {
        keys.append(i + 1);
        data.append(double(values.at(i)));
    }

    {
        const Hold hold(replotsHeld);
        graphPlot->clearGraphs();
        diagramPlot->clearPlottables();

        QCPGraph *mainGraph = add_graph(graphPlot);
        mainGraph->setData(keys, data, true);
        mainGraph->setPen(QPen(Qt::blue, 2.0));
        mainGraph->setLineStyle(QCPGraph::lsLine);
        mainGraph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, Qt::blue, Qt::white, 7));

        if (limits.inForce()) {
            QVector<double> inKeys, inValues, outKeys, outValues;
            for (int i = 0; i < n; ++i) {
                const double v = data.at(i);
                if (limits.isOutside(values.at(i))) {
                    outKeys.append(keys.at(i));
                    outValues.append(v);
                } else {
                    inKeys.append(keys.at(i));
                    inValues.append(v);
                }
            }
            if (!outKeys.isEmpty()) {
                const QColor red(255, 0, 0, 150);
                QCPGraph *outGraph = add_graph(graphPlot);
                outGraph->setData(outKeys, outValues, true);
                outGraph->setPen(QPen(Qt::red, 1.5));
                outGraph->setLineStyle(QCPGraph::lsNone);
                outGraph->setScatterStyle(
                    QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(red, 1.5), QBrush(red, Qt::SolidPattern), 7));
            }
            add_bars(diagramPlot, inKeys, inValues, QColor(0, 0, 255, 100));
            add_bars(diagramPlot, outKeys, outValues, QColor(255, 0, 0, 100));
        } else {
            add_bars(diagramPlot, keys, data, QColor(0, 0, 255, 100));
        }

        drawnCount = n;
        const QCPRange range = valueRange(statistics);
        wholeLow = range.lower;
        wholeHigh = range.upper;

        setLimitLines(limits);
        showWhole();
    }
    replot(graphPlot);
    replot(diagramPlot);
}

void BlockPlots::setLimitLines(const Limits &limits)
{
    // The lines change after this replot: they show with the next one.
    replot(graphPlot);
    replot(diagramPlot);

    for (QCPItemStraightLine *line : lines)
        line->setVisible(limits.shown);
    if (!limits.shown)
        return;

    for (QCPItemStraightLine *line : lines)
        line->setPen(QPen(Qt::red, 2.0));
    for (QCPItemStraightLine *line : {graphMinLine(), diagramMinLine()}) {
        line->point1->setCoords(1, limits.min);
        line->point2->setCoords(2, limits.min);
    }
    for (QCPItemStraightLine *line : {graphMaxLine(), diagramMaxLine()}) {
        line->point1->setCoords(1, limits.max);
        line->point2->setCoords(2, limits.max);
    }
}

void BlockPlots::showWhole()
{
    {
        const Hold hold(replotsHeld);
        graphPlot->xAxis->setRange(0, drawnCount + 1);
        diagramPlot->xAxis->setRange(0, drawnCount + 1);
        // Equal bounds (all values alike, or a single 0) are refused by the axis, which keeps its range.
        graphPlot->yAxis->setRange(wholeLow, wholeHigh);
        diagramPlot->yAxis->setRange(wholeLow, wholeHigh);
    }
    if (replotsHeld == 0) {
        graphPlot->replot();
        diagramPlot->replot();
    }
}

void BlockPlots::setZoomOrientation(Qt::Orientations orientation)
{
    graphPlot->axisRect()->setRangeZoom(orientation);
    diagramPlot->axisRect()->setRangeZoom(orientation);
}
