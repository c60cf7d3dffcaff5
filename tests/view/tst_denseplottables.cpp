#include <QtTest>

#include <cmath>

#include "denseplottables.h"
#include "plotcapture.h"

// The stamped markers and the summed bars of a long block against the library's own drawing.
class TestDensePlottables : public QObject
{
    Q_OBJECT

private slots:
    void drawsLikeTheLibrary_data();
    void drawsLikeTheLibrary();
    void barsDrawLikeTheLibrary_data();
    void barsDrawLikeTheLibrary();
    void pictureKeepsTheLine_data();
    void pictureKeepsTheLine();

private:
    void compareAt(const QImage &library, const QImage &stamped, int allowedPerMille);
    void compareLikeTheEye(const QImage &library, const QImage &fast, int allowedPerMille);
};

namespace {

// The plot as a screen with `ratio` device pixels to a logical one shows it.
QImage picture_of(QCustomPlot &plot, double ratio)
{
    if (ratio == 1.0)
        return plot.toPixmap(0, 0, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QPixmap pixmap(plot.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    QCPPainter painter(&pixmap);
    plot.toPainter(&painter, plot.width(), plot.height());
    painter.end();
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

double sample(int i)
{
    return 2.5 + 3.0 * std::sin(i / 50.0) + 0.01 * (i % 97);
}

QImage render(int n, double ratio, bool dense)
{
    QCustomPlot plot;
    plot.resize(400, 300);
    QCPGraph *graph = dense ? new DenseGraph(plot.xAxis, plot.yAxis) : new QCPGraph(plot.xAxis, plot.yAxis);
    QVector<double> keys, values;
    for (int i = 1; i <= n; ++i) {
        keys.append(i);
        values.append(sample(i));
    }
    graph->setData(keys, values, true);
    graph->setPen(QPen(Qt::blue, 2.0));
    graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, Qt::blue, Qt::white, 7));
    plot.xAxis->setRange(0, n + 1);
    plot.yAxis->setRange(-1, 7);
    return picture_of(plot, ratio);
}

// The diagram's bars; with limits, the values inside 1 … 4 and those outside as two sets.
QImage render_bars(int n, bool limits, const QCPRange &valueRange, double ratio, bool dense)
{
    QCustomPlot plot;
    plot.resize(560, 400);
    QVector<double> keys[2], values[2];
    for (int i = 1; i <= n; ++i) {
        const double v = sample(i);
        const int set = limits && (v < 1 || v > 4) ? 1 : 0;
        keys[set].append(i);
        values[set].append(v);
    }
    const QColor fills[2] = {QColor(0, 0, 255, 100), QColor(255, 0, 0, 100)};
    for (int set = 0; set < (limits ? 2 : 1); ++set) {
        QCPBars *bars = dense ? new DenseBars(plot.xAxis, plot.yAxis) : new QCPBars(plot.xAxis, plot.yAxis);
        bars->setBaseValue(0);
        bars->setData(keys[set], values[set], true);
        bars->setPen(QPen(QBrush(QColor(0, 0, 0, 150)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        bars->setBrush(QBrush(fills[set], Qt::SolidPattern));
    }
    plot.xAxis->setRange(0, n + 1);
    plot.yAxis->setRange(valueRange);
    return picture_of(plot, ratio);
}

// The graph of the window: a limit line drawn before the block, its line and
// markers, and the values outside the limits marked over them.
void set_up_graph(QCustomPlot &plot, int n, bool gap)
{
    auto *limit = new QCPItemStraightLine(&plot);
    limit->point1->setCoords(0, 4);
    limit->point2->setCoords(1, 4);
    limit->setPen(QPen(Qt::red, 2.0));
    auto *graph = new DenseGraph(plot.xAxis, plot.yAxis);
    auto *outside = new DenseGraph(plot.xAxis, plot.yAxis);
    QVector<double> keys, values, outKeys, outValues;
    for (int i = 1; i <= n; ++i) {
        keys.append(i);
        values.append(gap && i % 1000 == 500 ? qQNaN() : sample(i));
        if (values.last() > 4) {
            outKeys.append(i);
            outValues.append(values.last());
        }
    }
    graph->setData(keys, values, true);
    graph->setPen(QPen(Qt::blue, 2.0));
    graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, Qt::blue, Qt::white, 7));
    outside->setData(outKeys, outValues, true);
    outside->setLineStyle(QCPGraph::lsNone);
    outside->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(QColor(255, 0, 0, 150), 1.5),
                                             QBrush(QColor(255, 0, 0, 150)), 7));
    plot.xAxis->setRange(0, n + 1);
    plot.yAxis->setRange(-1, 7);
}

} // namespace

void TestDensePlottables::drawsLikeTheLibrary_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("ratio"); // device pixels to a logical one
    // Mean difference per colour channel, in thousandths of full scale (0: identical).
    QTest::addColumn<int>("allowedPerMille");

    QTest::newRow("a few values: the library draws") << 50 << 1.0 << 0;
    QTest::newRow("one marker per pixel: the library draws") << 300 << 1.0 << 0;
    QTest::newRow("long block: stamped") << 20000 << 1.0 << 8;
    QTest::newRow("long block at 150 %: stamped sharp") << 20000 << 1.5 << 8;
    QTest::newRow("long block at 200 %: stamped sharp") << 20000 << 2.0 << 8;
}

void TestDensePlottables::drawsLikeTheLibrary()
{
    QFETCH(int, n);
    QFETCH(double, ratio);
    QFETCH(int, allowedPerMille);

    const QImage library = render(n, ratio, false);
    const QImage stamped = render(n, ratio, true);
    compareLikeTheEye(library, stamped, allowedPerMille); // today about 4 and 18
}

void TestDensePlottables::barsDrawLikeTheLibrary_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("limits");
    QTest::addColumn<double>("lower"); // of the value range
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("allowedPerMille");

    QTest::newRow("a few bars: the library draws") << 50 << false << -1.0 << 7.0 << 1.0 << 0;
    QTest::newRow("about one bar per pixel: the library draws") << 600 << false << -1.0 << 7.0 << 1.0 << 0;
    QTest::newRow("two bars per pixel: summed") << 1000 << false << -1.0 << 7.0 << 1.0 << 8;
    QTest::newRow("long block: summed") << 20000 << false << -1.0 << 7.0 << 1.0 << 8;
    QTest::newRow("longest block: summed") << 65535 << false << -1.0 << 7.0 << 1.0 << 8;
    QTest::newRow("limits: two sets, each summed") << 65535 << true << -1.0 << 7.0 << 1.0 << 8;
    QTest::newRow("bars cut at both ends of the range") << 20000 << false << 1.0 << 4.0 << 1.0 << 8;
    QTest::newRow("hanging bars below the base") << 20000 << true << -2.0 << 0.5 << 1.0 << 8;
    QTest::newRow("longest block at 125 %: summed sharp") << 65535 << false << -1.0 << 7.0 << 1.25 << 8;
    QTest::newRow("limits at 200 %: summed sharp") << 65535 << true << -1.0 << 7.0 << 2.0 << 8;
}

void TestDensePlottables::barsDrawLikeTheLibrary()
{
    QFETCH(int, n);
    QFETCH(bool, limits);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, ratio);
    QFETCH(int, allowedPerMille);

    const QImage library = render_bars(n, limits, QCPRange(lower, upper), ratio, false);
    const QImage summed = render_bars(n, limits, QCPRange(lower, upper), ratio, true);
    compareLikeTheEye(library, summed, allowedPerMille); // today at most about 2.3 and 2.5
}

void TestDensePlottables::pictureKeepsTheLine_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("gap"); // a value that is not a number now and then
    QTest::addColumn<QColor>("background");
    // Largest difference of a colour channel (0: identical).
    QTest::addColumn<int>("allowed");

    QTest::newRow("short block: drawn whole") << 300 << false << QColor(Qt::white) << 0;
    QTest::newRow("long block: line kept") << 20000 << false << QColor(Qt::white) << 8;
    QTest::newRow("longest block, with gaps") << 65535 << true << QColor(Qt::white) << 8;
    QTest::newRow("coloured background") << 20000 << false << QColor(Qt::yellow) << 8;
}

// A picture whose line was kept and drawn later looks as one drawn at once, and the
// plot draws as before afterwards.
void TestDensePlottables::pictureKeepsTheLine()
{
    QFETCH(int, n);
    QFETCH(bool, gap);
    QFETCH(QColor, background);
    QFETCH(int, allowed);
    QCustomPlot plot;
    plot.resize(300, 200);
    plot.setBackground(QBrush(background));
    set_up_graph(plot, n, gap);

    const QSize size(600, 400);
    const QImage whole = capture_plot(&plot, size);
    const QImage kept = sketch_plot(&plot, size).finished();
    QCOMPARE(kept.size(), whole.size());
    QCOMPARE(kept.format(), whole.format());
    int largest = 0;
    int beyondOne = 0;
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            const QRgb a = whole.pixel(x, y);
            const QRgb b = kept.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            largest = std::max(largest, d);
            beyondOne += d > 1;
        }
    }
    QVERIFY2(largest <= allowed, qPrintable(QString::number(largest)));
    QVERIFY2(beyondOne * 1000 <= whole.width() * whole.height(), qPrintable(QString::number(beyondOne)));
    QCOMPARE(capture_plot(&plot, size), whole);
}

void TestDensePlottables::compareLikeTheEye(const QImage &library, const QImage &fast, int allowedPerMille)
{
    QCOMPARE(fast.size(), library.size());
    if (allowedPerMille == 0) {
        QCOMPARE(fast, library);
        return;
    }
    QVERIFY(fast != library); // the fast path was taken
    // Compared as the eye takes them in: the texture inside a dense band may differ pixel by
    // pixel, the band itself may not.
    const auto blurred = [](const QImage &image) {
        return image.scaled(image.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    compareAt(blurred(library), blurred(fast), allowedPerMille);
    compareAt(library, fast, 4 * allowedPerMille);
}

void TestDensePlottables::compareAt(const QImage &library, const QImage &stamped, int allowedPerMille)
{
    double sum = 0;
    for (int y = 0; y < library.height(); ++y) {
        for (int x = 0; x < library.width(); ++x) {
            const QRgb a = library.pixel(x, y);
            const QRgb b = stamped.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    }
    const double perMille = 1000.0 * sum / (3.0 * 255.0 * library.width() * library.height());
    QVERIFY2(perMille <= allowedPerMille, qPrintable(QString::number(perMille)));
}

QTEST_MAIN(TestDensePlottables)
#include "tst_denseplottables.moc"
