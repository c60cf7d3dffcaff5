// What the window shows, without a window: the listed blocks, the shown block with
// its statistics, and the limits.
#include <QtTest>

#include <cmath>
#include <limits>

#include "measurementmodel.h"
#include "unitlimits.h"

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

        // A new list shows nothing of the old one; a row it does not have changes nothing.
        model.setBlocks({{QStringLiteral("new"), {4}}});
        QCOMPARE(listed.count(), 2);
        QVERIFY(!model.hasShownBlock());
        QVERIFY(model.shownBlock().values.isEmpty());
        QCOMPARE(model.statistics().count, 0);
        QVERIFY(!model.showBlock(1));
        QVERIFY(!model.showBlock(-1));
        QCOMPARE(shown.count(), 1);

        // Shown again: shown anew, as a second double click redraws.
        QVERIFY(model.showBlock(0));
        QVERIFY(model.showBlock(0));
        QCOMPARE(shown.count(), 3);
        QCOMPARE(model.shownBlock().name, QStringLiteral("new"));
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

    // The measured decimal against the limits, and the text the table shows for it.
    void outside_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<bool>("outside");

        QTest::newRow("45.8 on max") << 45.8f << 44.0 << 45.8 << false;
        QTest::newRow("45.8 above 45.7") << 45.8f << 44.0 << 45.7 << true;
        QTest::newRow("43.8 on min") << 43.8f << 43.8 << 46.0 << false;
        QTest::newRow("43.8 below 43.9") << 43.8f << 43.9 << 46.0 << true;
        QTest::newRow("11.4 on max") << 11.4f << 0.0 << 11.4 << false;
        QTest::newRow("2.8 on min") << 2.8f << 2.8 << 5.0 << false;
        QTest::newRow("2.8 on max") << 2.8f << 0.0 << 2.8 << false;
        QTest::newRow("2.8 below 2.9") << 2.8f << 2.9 << 5.0 << true;
        QTest::newRow("2.345 shows 2.34, above it") << 2.345f << 0.0 << 2.34 << true;
        QTest::newRow("2.345 on max") << 2.345f << 0.0 << 2.345 << false;
        QTest::newRow("0.01 on min") << 0.01f << 0.01 << 1.0 << false;
        QTest::newRow("0.01 below 0.011") << 0.01f << 0.011 << 1.0 << true;
        QTest::newRow("10.05 shows 10.0, above 10") << 10.05f << 0.0 << 10.0 << true;
        QTest::newRow("10.05 on max") << 10.05f << 0.0 << 10.05 << false;
        QTest::newRow("-0 on min 0") << -0.0f << 0.0 << 5.0 << false;
        QTest::newRow("-0 below 0.01") << -0.0f << 0.01 << 5.0 << true;
        QTest::newRow("NaN never") << NaN << 0.0 << 5.0 << false;
        QTest::newRow("NaN, min above max") << NaN << 5.0 << 0.0 << false;
        QTest::newRow("infinity") << float(INFINITY) << 0.0 << 5.0 << true;
        QTest::newRow("minus infinity") << -float(INFINITY) << 0.0 << 5.0 << true;
    }

    void outside()
    {
        QFETCH(float, value);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(bool, outside);
        QCOMPARE(Limits({true, min, max}).isOutside(value), outside);
    }

    // Each unit keeps its pair; a unit met first starts from the pair shown last.
    void limits_per_unit()
    {
        MeasurementModel model;
        model.setBlocks({{"1 HRC", {45}}, {"2 HB", {200}}, {"3 HRC 2", {44}}, {"4", {1}}});
        QVERIFY(model.showBlock(0));
        QCOMPARE(model.shownUnit(), QStringLiteral("HRC"));
        model.setLimitValues(44, 46);
        QVERIFY(model.showBlock(1));
        QCOMPARE(model.limits().min, 44.0); // HB starts from HRC's pair
        QSignalSpy valuesChanged(&model, &MeasurementModel::limitValuesChanged);
        QVERIFY(model.setLimitValues(180, 220));
        QCOMPARE(valuesChanged.count(), 1);
        QVERIFY(model.showBlock(2));
        QCOMPARE(model.limits().max, 46.0);
        QCOMPARE(model.limitsOfUnit("HB").max, 220.0);
        QCOMPARE(model.limitsOfUnit("HV").max, 46.0); // not met yet: the pair shown last
        QVERIFY(model.showBlock(3));
        QCOMPARE(model.limits().max, 5.0); // "" had its pair from the start
        QCOMPARE(model.unitLimits().keys(), (QStringList{"", "HB", "HRC"}));
    }

    void unit_limits_record()
    {
        const UnitLimits pairs{{"", {0, 10}}, {"HRC", {44, 46.5}}, {"HB", {-1, 250}}};
        const QJsonValue record = unit_limits_to_json(pairs);
        QVERIFY(!record.toObject().contains(""));
        UnitLimits expected = pairs;
        expected.remove("");
        QCOMPARE(unit_limits_from_json(record), expected);
        const QJsonObject odd{{"HV", QJsonArray{1.26, 2e7}}, {"A", QJsonArray{1}}, {"B", "x"}, {"C", QJsonArray{"1", 2}}};
        QCOMPARE(unit_limits_from_json(odd), (UnitLimits{{"HV", {1.26, 2e7}}}));
        QVERIFY(unit_limits_from_json(QJsonValue()).isEmpty());
    }

    // Whatever brings a limit (a box, the settings file), the model holds it as the boxes do.
    void held_limits_data()
    {
        QTest::addColumn<double>("given");
        QTest::addColumn<double>("held");
        QTest::newRow("one decimal") << 2.36 << 2.4;
        QTest::newRow("above the range") << 1e7 << 999999.0;
        QTest::newRow("below the range") << -2e7 << -999999.0;
        QTest::newRow("as it is") << -46.5 << -46.5;
    }

    void held_limits()
    {
        QFETCH(double, given);
        QFETCH(double, held);
        MeasurementModel model;
        model.setUnitLimits({{"", {given, 0}}, {"HV", {0, given}}});
        QCOMPARE(model.limits().min, held);
        QCOMPARE(model.limitsOfUnit("HV").max, held);
        model.setLimitValues(given, given);
        QCOMPARE(model.limits(), Limits({false, held, held}));
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
