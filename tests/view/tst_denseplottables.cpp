#include <QtTest>

#include <cmath>

#include "denseplottables.h"

// The stamped markers of a long block against the library's own drawing.
class TestDensePlottables : public QObject
{
    Q_OBJECT

private slots:
    void drawsLikeTheLibrary_data();
    void drawsLikeTheLibrary();

private:
    void compareAt(const QImage &library, const QImage &stamped, int allowedPerMille);
};

namespace {

QImage render(int n, bool dense)
{
    QCustomPlot plot;
    plot.resize(400, 300);
    QCPGraph *graph = dense ? new DenseGraph(plot.xAxis, plot.yAxis) : new QCPGraph(plot.xAxis, plot.yAxis);
    QVector<double> keys, values;
    for (int i = 1; i <= n; ++i) {
        keys.append(i);
        values.append(2.5 + 3.0 * std::sin(i / 50.0) + 0.01 * (i % 97));
    }
    graph->setData(keys, values, true);
    graph->setPen(QPen(Qt::blue, 2.0));
    graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, Qt::blue, Qt::white, 7));
    plot.xAxis->setRange(0, n + 1);
    plot.yAxis->setRange(-1, 7);
    return plot.toPixmap(0, 0, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void TestDensePlottables::drawsLikeTheLibrary_data()
{
    QTest::addColumn<int>("n");
    // Mean difference per colour channel, in thousandths of full scale (0: identical).
    QTest::addColumn<int>("allowedPerMille");

    QTest::newRow("a few values: the library draws") << 50 << 0;
    QTest::newRow("one marker per pixel: the library draws") << 300 << 0;
    QTest::newRow("long block: stamped") << 20000 << 8;
}

void TestDensePlottables::drawsLikeTheLibrary()
{
    QFETCH(int, n);
    QFETCH(int, allowedPerMille);

    const QImage library = render(n, false);
    const QImage stamped = render(n, true);
    QCOMPARE(stamped.size(), library.size());
    if (allowedPerMille == 0) {
        QCOMPARE(stamped, library);
        return;
    }
    QVERIFY(stamped != library); // the fast path was taken
    // Compared as the eye takes them in: the texture inside the band of overlapping markers
    // may differ pixel by pixel, the band itself may not.
    const auto blurred = [](const QImage &image) {
        return image.scaled(image.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    compareAt(blurred(library), blurred(stamped), allowedPerMille);
    compareAt(library, stamped, 4 * allowedPerMille); // today about 4 and 18
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
