// How a block holds its tolerance: the values outside it and Cp, Cpk.
#include <QtTest>

#include <cmath>
#include <limits>

#include "toleranceassessment.h"

Q_DECLARE_METATYPE(Limits)

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();

} // namespace

class TestToleranceAssessment : public QObject
{
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<Limits>("limits");
        QTest::addColumn<QString>("outside");
        QTest::addColumn<QString>("share");
        QTest::addColumn<QString>("cp");
        QTest::addColumn<QString>("cpk");

        // Mean 2.5, σ √(5/3) = 1.29099: Cp = 10 / 7.7460 = 1.29, Cpk = min(7.5, 2.5) / 3.8730 = 0.65.
        QTest::newRow("inside") << QVector<float>{1, 2, 3, 4} << Limits{true, 0, 10} << "0 из 4 (0.0 %)" << "0 (0.0 %)"
                                << "1.29" << "0.65";
        // Mean off the middle on the other side: the nearer limit is the upper one.
        QTest::newRow("near the upper limit") << QVector<float>{8, 9} << Limits{true, 0, 10} << "0 из 2 (0.0 %)"
                                              << "0 (0.0 %)" << "2.36" << "0.71";
        QTest::newRow("some out") << QVector<float>{-1, 2, 3, 11, 12, 5, 6} << Limits{true, 0, 10} << "3 из 7 (42.9 %)"
                                  << "3 (42.9 %)" << "0.35" << "0.32";
        // The mean outside the limits gives a negative Cpk.
        QTest::newRow("every value out") << QVector<float>{20, 30} << Limits{true, 0, 10} << "2 из 2 (100.0 %)"
                                         << "2 (100.0 %)" << "0.24" << "-0.71";
        // A mean a hair beyond a limit: a Cpk of -0.001 has no sign left to show.
        QTest::newRow("cpk rounding to zero from below") << QVector<float>{9, 11.01f} << Limits{true, 0, 10}
                                                         << "1 из 2 (50.0 %)" << "1 (50.0 %)" << "1.17" << "0.00";
        // As the table colours them: 10.001 shows as 10.0 but was measured above the limit.
        QTest::newRow("cut onto a limit") << QVector<float>{10.001f, 10.09f, 5} << Limits{true, 0, 10}
                                          << "2 из 3 (66.7 %)" << "2 (66.7 %)" << "0.57" << "0.19";
        // Min above max is not applied: no figure until it is mended.
        QTest::newRow("min above max") << QVector<float>{1, 2} << Limits{true, 50, 45.8} << "—" << "—" << "—" << "—";
        QTest::newRow("one value") << QVector<float>{5} << Limits{true, 0, 10} << "0 из 1 (0.0 %)" << "0 (0.0 %)"
                                   << "—" << "—";
        QTest::newRow("no spread") << QVector<float>{3, 3, 3} << Limits{true, 0, 10} << "0 из 3 (0.0 %)" << "0 (0.0 %)"
                                   << "—" << "—";
        QTest::newRow("a NaN") << QVector<float>{1, NaN, 3} << Limits{true, 0, 10} << "0 из 3 (0.0 %)" << "0 (0.0 %)"
                               << "—" << "—";
        QTest::newRow("an infinity") << QVector<float>{1, float(INFINITY)} << Limits{true, 0, 10} << "1 из 2 (50.0 %)"
                                     << "1 (50.0 %)" << "—" << "—";
        QTest::newRow("empty block") << QVector<float>{} << Limits{true, 0, 10} << "—" << "—" << "—" << "—";
        QTest::newRow("limits off") << QVector<float>{-5, 50} << Limits{false, 0, 10} << "—" << "—" << "—" << "—";
    }

    void figures()
    {
        QFETCH(QVector<float>, values);
        QFETCH(Limits, limits);
        QFETCH(QString, outside);
        QFETCH(QString, share);
        QFETCH(QString, cp);
        QFETCH(QString, cpk);

        const ToleranceAssessment assessment = assess_tolerance(values, block_statistics(values), limits);
        QCOMPARE(outside_of_count_text(assessment), outside);
        QCOMPARE(outside_share_text(assessment), share);
        QCOMPARE(capability_text(assessment, assessment.cp), cp);
        QCOMPARE(capability_text(assessment, assessment.cpk), cpk);
        QCOMPARE(assessment.within(), assessment.outside == 0);
    }
};

QTEST_GUILESS_MAIN(TestToleranceAssessment)
#include "tst_toleranceassessment.moc"
