#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QKeyEvent>
#include <QListWidgetItem>

#include "blockminmax.h"
#include "denseplottables.h"
#include "qcustomplot.h"

namespace {

const auto rangeChangedSignal = qOverload<const QCPRange &>(&QCPAxis::rangeChanged);
const auto setRangeSlot = qOverload<const QCPRange &>(&QCPAxis::setRange);

QPen bar_pen()
{
    return QPen(QBrush(QColor(0, 0, 0, 150)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

QCPBars *add_bars(QCustomPlot *plot, const QVector<double> &keys, const QVector<double> &values,
                  const QColor &fill)
{
    auto *bars = new DenseBars(plot->xAxis, plot->yAxis);
    bars->setBaseValue(0);
    bars->setData(keys, values, true);
    bars->setPen(bar_pen());
    bars->setBrush(QBrush(fill, Qt::SolidPattern));
    return bars;
}

// n = 0: 0 … 5; one value: ±10 % around it; otherwise half the spread added on both sides.
QCPRange value_range(const QVector<float> &values)
{
    if (values.isEmpty())
        return QCPRange(0, 5);
    if (values.size() == 1) {
        const double v = values.first();
        const double margin = 0.1 * v;
        return QCPRange(v - margin, v + margin);
    }
    const BlockMinMax bounds = block_min_max(values);
    const double margin = 0.5 * (double(bounds.maximum) - double(bounds.minimum));
    return QCPRange(bounds.minimum - margin, bounds.maximum + margin);
}

// What addGraph does, with a graph that copes with long blocks.
QCPGraph *add_graph(QCustomPlot *plot)
{
    auto *graph = new DenseGraph(plot->xAxis, plot->yAxis);
    graph->setName(QLatin1String("Graph ") + QString::number(plot->graphCount()));
    return graph;
}

void set_zoom_orientation(QCustomPlot *plot, Qt::Orientations orientation)
{
    plot->axisRect()->setRangeZoom(orientation);
}

// plot_block ends with a replot of both plots, and nothing is painted before it, so every
// replot asked for while it draws (range changes, limit lines) would be thrown away unseen.
// With tens of thousands of values each costs hundreds of milliseconds: they are skipped.
int replotsHeld = 0;

class ReplotHold
{
public:
    explicit ReplotHold(bool active = true) : active(active) { replotsHeld += active; }
    ~ReplotHold() { replotsHeld -= active; }
    ReplotHold(const ReplotHold &) = delete;
    ReplotHold &operator=(const ReplotHold &) = delete;

private:
    const bool active;
};

void replot(QCustomPlot *plot)
{
    if (replotsHeld == 0)
        plot->replot();
}

} // namespace

void MainWindow::setupPlots()
{
    QCustomPlot *graph = ui->graph;
    QCustomPlot *diagram = ui->diagram;

    for (QCustomPlot *plot : {graph, diagram}) {
        plot->setInteraction(QCP::iRangeZoom, true);
        plot->setInteraction(QCP::iRangeDrag, true);
        set_zoom_orientation(plot, Qt::Horizontal);
        // A wide pen stroked as one polyline through tens of thousands of points takes
        // most of a second; drawn segment by segment it looks the same and takes milliseconds.
        plot->setPlottingHint(QCP::phFastPolylines, true);
    }

    // The two plots mirror each other; an axis set to the range it already has emits nothing,
    // so each change makes one round only.
    connect(graph->xAxis, rangeChangedSignal, diagram->xAxis, setRangeSlot);
    connect(diagram->xAxis, rangeChangedSignal, graph->xAxis, setRangeSlot);
    connect(graph->xAxis, rangeChangedSignal, graph, [graph] { replot(graph); });
    connect(diagram->xAxis, rangeChangedSignal, diagram, [diagram] { replot(diagram); });
    connect(graph->yAxis, rangeChangedSignal, diagram->yAxis, setRangeSlot);
    connect(diagram->yAxis, rangeChangedSignal, graph->yAxis, setRangeSlot);
    connect(graph->yAxis, rangeChangedSignal, graph, [graph] { replot(graph); });
    connect(diagram->yAxis, rangeChangedSignal, diagram, [diagram] { replot(diagram); });
    connect(graph->yAxis, rangeChangedSignal, this, &MainWindow::update_graph_limits);
    connect(diagram->yAxis, rangeChangedSignal, this, &MainWindow::update_graph_limits);

    graphMinLine = new QCPItemStraightLine(graph);
    graphMaxLine = new QCPItemStraightLine(graph);
    diagramMinLine = new QCPItemStraightLine(diagram);
    diagramMaxLine = new QCPItemStraightLine(diagram);

    update_limit_lines();
}

void MainWindow::plot_block(QListWidgetItem *item)
{
    if (!item)
        return;
    const int row = ui->block_names_list->row(item);
    if (row < 0 || row >= blocks.size())
        return; // a read is refilling blocks
    const QVector<float> values = blocks.at(row).second;
    const int n = values.size();

    QVector<double> keys;
    QVector<double> data;
    keys.reserve(n);
    data.reserve(n);
    for (int i = 0; i < n; ++i) {
        keys.append(i + 1);
        data.append(double(values.at(i)));
    }

    const double lo = ui->limits_min->value();
    const double hi = ui->limits_max->value();
    const bool ticked = ui->set_limits_checkbox->isChecked();

    QCustomPlot *graph = ui->graph;
    QCustomPlot *diagram = ui->diagram;
    {
        const ReplotHold hold;
        graph->clearGraphs();
        diagram->clearPlottables();

        QCPGraph *mainGraph = add_graph(graph);
        mainGraph->setData(keys, data, true);
        mainGraph->setPen(QPen(Qt::blue, 2.0));
        mainGraph->setLineStyle(QCPGraph::lsLine);
        mainGraph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, Qt::blue, Qt::white, 7));

        if (ticked) {
            QVector<double> inKeys, inValues, outKeys, outValues;
            for (int i = 0; i < n; ++i) {
                const double v = data.at(i);
                if (v < lo || v > hi) {
                    outKeys.append(keys.at(i));
                    outValues.append(v);
                } else {
                    inKeys.append(keys.at(i));
                    inValues.append(v);
                }
            }
            if (!outKeys.isEmpty()) {
                const QColor red(255, 0, 0, 150);
                QCPGraph *outGraph = add_graph(graph);
                outGraph->setData(outKeys, outValues, true);
                outGraph->setPen(QPen(Qt::red, 1.5));
                outGraph->setLineStyle(QCPGraph::lsNone);
                outGraph->setScatterStyle(
                    QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(red, 1.5), QBrush(red, Qt::SolidPattern), 7));
            }
            add_bars(diagram, inKeys, inValues, QColor(0, 0, 255, 100));
            add_bars(diagram, outKeys, outValues, QColor(255, 0, 0, 100));
        } else {
            add_bars(diagram, keys, data, QColor(0, 0, 255, 100));
        }

        graph->xAxis->setRange(0, n + 1);
        diagram->xAxis->setRange(0, n + 1);

        const QCPRange range = value_range(values);

        update_limit_lines();

        // Equal bounds (all values alike, or a single 0) are refused by the axis, which keeps its range.
        graph->yAxis->setRange(range);
        diagram->yAxis->setRange(range);
    }
    graph->replot();
    diagram->replot();
}

void MainWindow::update_limit_lines()
{
    // The lines change after this replot: they show with the next one.
    replot(ui->graph);
    replot(ui->diagram);

    const bool ticked = ui->set_limits_checkbox->isChecked();
    for (QCPItemStraightLine *line : {graphMinLine, graphMaxLine, diagramMinLine, diagramMaxLine})
        line->setVisible(ticked);
    if (!ticked)
        return;

    const double lo = ui->limits_min->value();
    const double hi = ui->limits_max->value();
    for (QCPItemStraightLine *line : {graphMinLine, graphMaxLine, diagramMinLine, diagramMaxLine})
        line->setPen(QPen(Qt::red, 2.0));
    graphMinLine->point1->setCoords(1, lo);
    graphMinLine->point2->setCoords(2, lo);
    graphMaxLine->point1->setCoords(1, hi);
    graphMaxLine->point2->setCoords(2, hi);
    diagramMinLine->point1->setCoords(1, lo);
    diagramMinLine->point2->setCoords(2, lo);
    diagramMaxLine->point1->setCoords(1, hi);
    diagramMaxLine->point2->setCoords(2, hi);
}

void MainWindow::update_graph_limits(const QCPRange &newRange)
{
    ui->graphs_limits_min->setValue(newRange.lower);
    ui->graphs_limits_max->setValue(newRange.upper);
}

void MainWindow::on_graphs_limits_min_editingFinished()
{
    QCPRange range = ui->graph->yAxis->range();
    const double minimum = ui->graphs_limits_min->value();
    if (minimum > ui->graphs_limits_max->value()) {
        ui->graphs_limits_max->setValue(minimum + 1);
        range.upper = minimum + 1;
    }
    range.lower = minimum;
    ui->graph->yAxis->setRange(range);
    ui->diagram->yAxis->setRange(range);
}

void MainWindow::on_graphs_limits_max_editingFinished()
{
    QCPRange range = ui->graph->yAxis->range();
    const double maximum = ui->graphs_limits_max->value();
    // The min box follows through the range change.
    if (ui->graphs_limits_min->value() > maximum)
        range.lower = maximum - 1;
    range.upper = maximum;
    ui->graph->yAxis->setRange(range);
    ui->diagram->yAxis->setRange(range);
}

void MainWindow::on_set_limits_checkbox_stateChanged(int)
{
    QListWidgetItem *current = ui->block_names_list->currentItem();
    {
        // When plot_block draws right after, its replot is the one that shows.
        const bool redrawn = current && ui->block_names_list->row(current) < blocks.size();
        const ReplotHold hold(redrawn);
        update_limit_lines();
    }
    if (current) {
        plot_block(current);
        highlight_table_by_limits();
    }
}

void MainWindow::on_limits_min_editingFinished()
{
    plot_block(ui->block_names_list->currentItem());
}

void MainWindow::on_limits_max_editingFinished()
{
    plot_block(ui->block_names_list->currentItem());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease)
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Shift) {
        // Shift held: the wheel zooms the value axis instead of the key axis.
        const Qt::Orientations orientation = type == QEvent::KeyPress ? Qt::Vertical : Qt::Horizontal;
        set_zoom_orientation(ui->graph, orientation);
        set_zoom_orientation(ui->diagram, orientation);
    }
    return QMainWindow::eventFilter(watched, event);
}
