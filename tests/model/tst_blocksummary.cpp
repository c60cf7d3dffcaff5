// The summary of the listed blocks: a row of figures per block, and its CSV.
#include <QtTest>

#include <cmath>
#include <limits>

#include "blocksummary.h"

Q_DECLARE_METATYPE(Limits)

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();

QStringList texts(const BlockSummaryRow &row, bool limitsShown)
{
    QStringList texts;
    for (const SummaryColumn column : summary_columns(limitsShown))
        texts << summary_cell(row, column).text;
    return texts;
}

} // namespace

class TestBlockSummary : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<Limits>("limits");
        QTest::addColumn<QStringList>("expected"); // after "№" and "Блок"

        // Mean 2.5, σ 1.29; Cpk = min(7.5, 2.5) / 3σ = 0.65.
        QTest::newRow("within") << QVector<float>{1, 2, 3, 4} << Limits{true, 0, 10}
                                << QStringList{"4", "1.00", "4.00", "2.5", "1.3", "[0; 10]", "0 (0.0 %)", "0.65", "в допуске"};
        QTest::newRow("some out") << QVector<float>{-1, 2, 3, 11, 12, 5, 6} << Limits{true, 0, 10}
                                  << QStringList{"7", "-1.00", "12.0", "5.4", "4.7", "[0; 10]", "3 (42.9 %)", "0.32", "вне допуска"};
        // One value out is enough.
        QTest::newRow("one of many out") << QVector<float>{5, 5, 5, 5, 10.5f} << Limits{true, 0, 10}
                                         << QStringList{"5", "5.00", "10.5", "6.1", "2.5", "[0; 10]", "1 (20.0 %)", "0.53", "вне допуска"};
        // As the table colours them: 10.001 shows as 10.0, but lies above the limit.
        QTest::newRow("cut onto a limit") << QVector<float>{10.001f, 5} << Limits{true, 0, 10}
                                          << QStringList{"2", "5.00", "10.0", "7.5", "3.5", "[0; 10]", "1 (50.0 %)", "0.24", "вне допуска"};
        // The reports round where the screen cuts: 2.345 prints as 2.35.
        QTest::newRow("rounded as the reports print") << QVector<float>{2.345f, 123.4f, -0.5f} << Limits{false, 0, 10}
                                                      << QStringList{"3", "-0.50", "123", "41.7", "70.7"};
        QTest::newRow("limits hidden") << QVector<float>{-5, 50} << Limits{false, 0, 10}
                                       << QStringList{"2", "-5.00", "50.0", "22.5", "38.9"};
        QTest::newRow("one value") << QVector<float>{5} << Limits{true, 0, 10}
                                   << QStringList{"1", "5.00", "5.00", "5.0", "0.0", "[0; 10]", "0 (0.0 %)", "—", "в допуске"};
        QTest::newRow("empty, limits shown") << QVector<float>{} << Limits{true, 0, 10}
                                             << QStringList{"0", "—", "—", "—", "—", "[0; 10]", "—", "—", "—"};
        QTest::newRow("empty, limits hidden") << QVector<float>{} << Limits{false, 0, 10}
                                              << QStringList{"0", "—", "—", "—", "—"};
        // A NaN is never outside; it leaves the mean and σ without a figure.
        QTest::newRow("a NaN") << QVector<float>{1, NaN, 3} << Limits{true, 0, 10}
                               << QStringList{"3", "1.00", "3.00", "—", "—", "[0; 10]", "0 (0.0 %)", "—", "в допуске"};
        // The bounds are walked from the first value, as the window's statistics are.
        QTest::newRow("a NaN first") << QVector<float>{NaN, 1, 3} << Limits{false, 0, 10}
                                     << QStringList{"3", "nan", "nan", "—", "—"};
    }

    void rows()
    {
        QFETCH(QVector<float>, values);
        QFETCH(Limits, limits);
        QFETCH(QStringList, expected);

        const QVector<BlockSummaryRow> rows =
            block_summary_rows({Block("1 HB", {7}), Block("2 HRC", values)}, limits);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(texts(rows.at(1), limits.shown), QStringList({"2", "2 HRC"}) + expected);
    }

    // Each block against its unit's limits; min above max judges nothing.
    void each_block_against_its_unit()
    {
        const QMap<QString, Limits> units{{"HRC", {true, 44, 46}}, {"HB", {true, 190, 210}}, {"HV", {true, 700, 600}}};
        const QVector<BlockSummaryRow> rows = block_summary_rows(
            {Block("1 HRC", {45.8f, 43.8f}), Block("2 HB", {200, 215}), Block("3 HV", {650})},
            [&units](const QString &unit) { return units.value(unit); });
        const auto column = [&rows](int row, SummaryColumn column) { return summary_cell(rows.at(row), column).text; };
        QCOMPARE(column(0, SummaryColumn::Tolerance), QString("[44; 46]"));
        QCOMPARE(column(0, SummaryColumn::Outside), QString("1 (50.0 %)"));
        QCOMPARE(column(1, SummaryColumn::Tolerance), QString("[190; 210]"));
        QCOMPARE(column(1, SummaryColumn::Outside), QString("1 (50.0 %)"));
        QCOMPARE(column(2, SummaryColumn::Verdict), QString("—"));
    }

    // What a workbook's number cell holds and how it shows it.
    void figures_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<int>("column");
        QTest::addColumn<double>("figure"); // NaN: a text
        QTest::addColumn<int>("decimals");

        const double none = std::numeric_limits<double>::quiet_NaN();
        // The float's own decimal, not 2.3450000286 of its double.
        QTest::newRow("minimum below ten") << QVector<float>{2.345f, 50} << int(SummaryColumn::Minimum) << 2.345 << 2;
        QTest::newRow("maximum below a hundred") << QVector<float>{2.345f, 50.5f} << int(SummaryColumn::Maximum)
                                                 << 50.5 << 1;
        QTest::newRow("maximum of hundreds") << QVector<float>{2, 650} << int(SummaryColumn::Maximum) << 650.0 << 0;
        QTest::newRow("mean unrounded") << QVector<float>{1, 2, 2} << int(SummaryColumn::Mean) << 5.0 / 3 << 1;
        QTest::newRow("count") << QVector<float>{1, 2, 2} << int(SummaryColumn::Count) << 3.0 << 0;
        QTest::newRow("cpk") << QVector<float>{1, 2, 3, 4} << int(SummaryColumn::Cpk) << 2.5 / (3 * std::sqrt(5.0 / 3))
                             << 2;
        QTest::newRow("outside is a text sorted by its count") << QVector<float>{-1, 2, 11} << int(SummaryColumn::Outside)
                                                               << 2.0 << -1;
        QTest::newRow("no cpk") << QVector<float>{3, 3} << int(SummaryColumn::Cpk) << none << -1;
        QTest::newRow("empty minimum") << QVector<float>{} << int(SummaryColumn::Minimum) << none << -1;
        QTest::newRow("infinite maximum") << QVector<float>{1, float(INFINITY)} << int(SummaryColumn::Maximum)
                                          << double(INFINITY) << -1;
        QTest::newRow("name") << QVector<float>{1} << int(SummaryColumn::Block) << none << -1;
    }

    void figures()
    {
        QFETCH(QVector<float>, values);
        QFETCH(int, column);
        QFETCH(double, figure);
        QFETCH(int, decimals);

        const BlockSummaryRow row = block_summary_rows({Block("1 HB", values)}, Limits{true, 0, 10}).at(0);
        const SummaryCell cell = summary_cell(row, SummaryColumn(column));
        QCOMPARE(cell.decimals, decimals);
        QCOMPARE(cell.isNumber(), decimals >= 0);
        if (std::isnan(figure))
            QVERIFY2(std::isnan(cell.figure), qPrintable(QString::number(cell.figure)));
        else
            QCOMPARE(cell.figure, figure);
    }

    // The figures take the separator of the system's spreadsheet; names and verdicts stay as
    // they are, a point in a name included.
    void csv_data()
    {
        QTest::addColumn<QChar>("decimalPoint");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("decimal comma") << QChar(',')
                                       << QByteArray("\xEF\xBB\xBF"
                                                     "№;Блок;n;Min;Max;Среднее;σ;Допуск;Вне допуска;Cpk;Итог\r\n"
                                                     "1;1.2 HB;4;1,00;4,00;2,5;1,3;\"[0; 10]\";0 (0,0 %);0,65;в допуске\r\n"
                                                     "2;2, HRC;3;-1,00;11,0;4,0;6,2;\"[0; 10]\";2 (66,7 %);0,21;вне допуска\r\n"
                                                     "3;3 HV;0;—;—;—;—;\"[0; 10]\";—;—;—\r\n");
        QTest::newRow("decimal point") << QChar('.')
                                       << QByteArray("\xEF\xBB\xBF"
                                                     "№,Блок,n,Min,Max,Среднее,σ,Допуск,Вне допуска,Cpk,Итог\r\n"
                                                     "1,1.2 HB,4,1.00,4.00,2.5,1.3,[0; 10],0 (0.0 %),0.65,в допуске\r\n"
                                                     "2,\"2, HRC\",3,-1.00,11.0,4.0,6.2,[0; 10],2 (66.7 %),0.21,вне допуска\r\n"
                                                     "3,3 HV,0,—,—,—,—,[0; 10],—,—,—\r\n");
    }

    void csv()
    {
        QFETCH(QChar, decimalPoint);
        QFETCH(QByteArray, expected);
        CsvFormat format;
        format.decimalPoint = decimalPoint;
        format.separator = decimalPoint == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
        const QVector<Block> blocks{Block("1.2 HB", {1, 2, 3, 4}), Block("2, HRC", {-1, 2, 11}), Block("3 HV", {})};
        const QByteArray csv = summary_csv(summary_table(blocks, Limits{true, 0, 10}), format);
        QCOMPARE(QString::fromUtf8(csv), QString::fromUtf8(expected));
    }
};

QTEST_MAIN(TestBlockSummary)
#include "tst_blocksummary.moc"
