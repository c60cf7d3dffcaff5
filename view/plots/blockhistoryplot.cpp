#include "blockhistoryplot.h"

#include <algorithm>
#include <cmath>

namespace {

// Equal bounds are refused by an axis: a single figure gets a margin of its own; no figure
// at all the window's default range.
QCPRange padded(double low, double high)
{
    if (!(low <= high))
        return QCPRange(0, 5);
    const double margin = high > low ? (high - low) * 0.1 : std::max(1.0, std::abs(low) * 0.1);
    return QCPRange(low - margin, high + margin);
}

} // namespace

BlockHistoryPlot::BlockHistoryPlot(QWidget *parent) : QCustomPlot(parent)
{
    setObjectName(QStringLiteral("block_history_plot"));
    QSharedPointer<QCPAxisTickerDateTime> ticker(new QCPAxisTickerDateTime);
    ticker->setDateTimeFormat(QStringLiteral("dd.MM.yy\nHH:mm"));
    xAxis->setTicker(ticker);

    meanGraph = addGraph();
    meanGraph->setLineStyle(QCPGraph::lsNone);
    meanGraph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, QPen(Qt::blue), QBrush(Qt::blue), 7));
    spreadBars = new QCPErrorBars(xAxis, yAxis);
    spreadBars->setDataPlottable(meanGraph);
    spreadBars->setPen(QPen(Qt::blue, 1.5));
    spreadBars->setWhiskerWidth(6);
    for (QCPItemStraightLine *&line : lines) {
        line = new QCPItemStraightLine(this);
        line->setPen(QPen(Qt::red, 2.0));
        line->setVisible(false);
    }
    setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
}

void BlockHistoryPlot::draw(const QVector<HistoryPoint> &points, const Limits &limits)
{
    QVector<double> keys, means, below, above;
    double low = qInf(), high = -qInf(), first = qInf(), last = -qInf();
    for (const HistoryPoint &point : points) {
        const BlockStatistics &statistics = point.row.statistics;
        if (statistics.count == 0)
            continue;
        const double key = QCPAxisTickerDateTime::dateTimeToKey(point.readAt);
        keys << key;
        means << statistics.mean;
        below << statistics.mean - statistics.minimum;
        above << statistics.maximum - statistics.mean;
        first = std::min(first, key);
        last = std::max(last, key);
        for (const double figure : {double(statistics.minimum), double(statistics.maximum), statistics.mean}) {
            if (std::isfinite(figure)) {
                low = std::min(low, figure);
                high = std::max(high, figure);
            }
        }
    }
    meanGraph->setData(keys, means, true);
    spreadBars->setData(below, above);

    const double limitValues[2] = {limits.min, limits.max};
    for (int i = 0; i < 2; ++i) {
        lines[i]->setVisible(limits.shown);
        lines[i]->point1->setCoords(0, limitValues[i]);
        lines[i]->point2->setCoords(1, limitValues[i]);
        if (limits.shown) {
            low = std::min(low, limitValues[i]);
            high = std::max(high, limitValues[i]);
        }
    }
    // Reads of one moment, or none, get a day around them.
    const double halfDay = 12 * 3600;
    if (!(first < last)) {
        const double middle = keys.isEmpty() ? QCPAxisTickerDateTime::dateTimeToKey(QDateTime::currentDateTime()) : first;
        first = middle - halfDay;
        last = middle + halfDay;
    }
    const double margin = (last - first) * 0.05;
    xAxis->setRange(first - margin, last + margin);
    yAxis->setRange(padded(low, high));
    replot();
}
