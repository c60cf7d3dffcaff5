// What the window shows, without a window: the listed blocks, the shown block with
// its statistics, and the limits.
#include <QtTest>

#include <cmath>
#include <limits>

#include "measurementmodel.h"

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();

} // namespace

class TestMeasurementModel : public QObject
{
    Q_OBJECT

private slots:
    void statistics_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("stdev");

        QTest::newRow("1 2 3 4") << QVector<float>{1, 2, 3, 4} << 1.0 << 4.0 << 2.5 << std::sqrt(5.0 / 3.0);
        QTest::newRow("unordered, negative") << QVector<float>{3, -2, 7, 0} << -2.0 << 7.0 << 2.0 << std::sqrt(46.0 / 3);
        // One value has no spread: 0, not the NaN of 0/0.
        QTest::newRow("one value") << QVector<float>{12.36f} << double(12.36f) << double(12.36f) << double(12.36f)
                                   << 0.0;
        QTest::newRow("no values") << QVector<float>{} << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("all alike") << QVector<float>{3, 3, 3} << 3.0 << 3.0 << 3.0 << 0.0;
        // Compared in single precision, a NaN never replaces a bound, but spoils the sums.
        QTest::newRow("NaN first") << QVector<float>{NaN, 2, 1} << double(NaN) << double(NaN) << double(NaN)
                                   << double(NaN);
        QTest::newRow("NaN later") << QVector<float>{2, NaN, 1} << 1.0 << 2.0 << double(NaN) << double(NaN);
    }

    void statistics()
    {
        QFETCH(QVector<float>, values);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(double, mean);
        QFETCH(double, stdev);

        MeasurementModel model;
        model.setBlocks({{QStringLiteral("other"), {100, 300}}, {QStringLiteral("block"), values}});
        QVERIFY(model.showBlock(0));
        QSignalSpy shown(&model, &MeasurementModel::shownBlockChanged);
        QVERIFY(model.showBlock(1));
        QCOMPARE(shown.count(), 1);
        const BlockStatistics &s = model.statistics();
        QCOMPARE(s.count, values.size());
        const auto same = [](double a, double b) { return (std::isnan(a) && std::isnan(b)) || qFuzzyCompare(a + 1, b + 1); };
        QVERIFY2(same(s.minimum, minimum), qPrintable(QString::number(s.minimum)));
        QVERIFY2(same(s.maximum, maximum), qPrintable(QString::number(s.maximum)));
        QVERIFY2(same(s.mean, mean), qPrintable(QString::number(s.mean)));
        QVERIFY2(same(s.stdev, stdev), qPrintable(QString::number(s.stdev)));
    }

    // A statistic as the one-decimal boxes hold it, which the reports print.
    void shown_statistic_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("shown");
        QTest::newRow("rounded") << 12.36 << 12.4;
        QTest::newRow("half away from zero") << 0.25 << 0.3;
        QTest::newRow("below the half") << 0.35 << 0.3; // held as 0.34999…
        QTest::newRow("negative") << -0.05 << -0.1;
        QTest::newRow("beyond the range") << 1e300 << 999999.0;
        QTest::newRow("below the range") << -1e300 << -999999.0;
        QTest::newRow("just inside") << 999999.04 << 999999.0;
        QTest::newRow("infinity") << double(INFINITY) << 999999.0;
        QTest::newRow("minus infinity") << -double(INFINITY) << -999999.0;
        QTest::newRow("not a number") << double(NaN) << 999999.0;
    }

    void shown_statistic()
    {
        QFETCH(double, value);
        QFETCH(double, shown);
        QCOMPARE(::shown_statistic(value), shown);
    }

    void shown_block_is_a_copy()
    {
        MeasurementModel model;
        QVERIFY(!model.hasShownBlock());
        QSignalSpy listed(&model, &MeasurementModel::blocksChanged);
        QSignalSpy shown(&model, &MeasurementModel::shownBlockChanged);
        model.setBlocks({{QStringLiteral("1 HRC"), {1.5f}}, {QStringLiteral("2 HB"), {7, 8, 9}}});
        QCOMPARE(listed.count(), 1);
        QVERIFY(model.showBlock(1));

        // A new list leaves what is shown; a row it does not have changes nothing.
        model.setBlocks({{QStringLiteral("new"), {4}}});
        QCOMPARE(listed.count(), 2);
        QVERIFY(!model.showBlock(1));
        QVERIFY(!model.showBlock(-1));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(model.shownBlock().name, QStringLiteral("2 HB"));
        QCOMPARE(model.shownBlock().values, (QVector<float>{7, 8, 9}));
        QCOMPARE(model.statistics().mean, 8.0);

        // Shown again: shown anew, as a second double click redraws.
        QVERIFY(model.showBlock(0));
        QVERIFY(model.showBlock(0));
        QCOMPARE(shown.count(), 3);
        QCOMPARE(model.statistics().count, 1);
    }

    void limits()
    {
        MeasurementModel model;
        QSignalSpy shownChanged(&model, &MeasurementModel::limitsShownChanged);
        QSignalSpy valuesChanged(&model, &MeasurementModel::limitValuesChanged);
        model.setLimitsShown(false);
        QCOMPARE(shownChanged.count(), 0);
        model.setLimitsShown(true);
        QCOMPARE(shownChanged.count(), 1);
        QVERIFY(model.limits().shown);

        QVERIFY(model.setLimitValues(2, 4));
        QVERIFY(!model.setLimitValues(2, 4));
        QCOMPARE(valuesChanged.count(), 1);
        QCOMPARE(shownChanged.count(), 1);
        QCOMPARE(model.limits().min, 2.0);
        QCOMPARE(model.limits().max, 4.0);
    }

    void outside_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("outside"); // for the plots, by the stored value
        QTest::addColumn<bool>("shownOutside"); // for the table, by the text it shows

        QTest::newRow("inside") << 2.5f << false << false;
        QTest::newRow("on a limit") << 5.0f << false << false;
        QTest::newRow("below") << -0.02f << true << true;
        QTest::newRow("above") << 5.01f << true << true;
        // Shown as 5.00: inside for the table, outside for the plots.
        QTest::newRow("cut onto the limit") << 5.009f << true << false;
        // -0.01 is held as -0.0099999… and shown as 0.00, which is not below 0.
        QTest::newRow("cut to zero") << -0.01f << true << false;
        QTest::newRow("not a number") << NaN << false << false;
        QTest::newRow("infinity") << float(INFINITY) << true << true;
    }

    void outside()
    {
        QFETCH(float, value);
        QFETCH(bool, outside);
        QFETCH(bool, shownOutside);
        Limits limits;
        limits.shown = true;
        limits.min = 0.0;
        limits.max = 5.0;
        QCOMPARE(limits.isOutside(value), outside);
        QCOMPARE(limits.isShownOutside(value), shownOutside);
    }

    void value_title_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("number and unit") << "7 HRC" << "HRC";
        QTest::newRow("no white space") << "HRC" << "";
        QTest::newRow("runs of white space") << "  A   B  D" << "B";
        QTest::newRow("tab and Cyrillic") << "12\tТвёрдость HB" << "Твёрдость";
        QTest::newRow("empty") << "" << "";
    }

    void value_title()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QCOMPARE(Block(name, {}).valueTitle(), title);
    }
};

QTEST_GUILESS_MAIN(TestMeasurementModel)
#include "tst_measurementmodel.moc"
