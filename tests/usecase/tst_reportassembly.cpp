// The reports' models as the window's clicks take them: the shown block, the form, the figures
// as shown, the plots and the tolerance asked for, the summary of the listed blocks.
#include <QtTest>

#include "plainscreen.h"

class TestReportAssembly : public QObject
{
    Q_OBJECT

private slots:
    // Fault: the record followed the selected row while the statistics and plots
    // showed the double-clicked block, so one click mixed two blocks in a report.
    void valuesFollowTheShownBlock()
    {
        ReportDesk desk;
        desk.model.setBlocks({{"1 HRC", {1.5f}}, {"2 HB", {7.0f, 8.0f, 9.0f}}});
        desk.model.showBlock(1);
        ReportData data = desk.reports.collect_report_data();
        QCOMPARE(data.values, QVector<float>({7.0f, 8.0f, 9.0f}));
        QCOMPARE(data.valueTitle, QStringLiteral("HB"));
        QCOMPARE(data.creator, QStringLiteral("Ormeda test"));

        // A read replaces the blocks and empties the display: nothing of the old list is reported.
        desk.model.setBlocks({});
        data = desk.reports.collect_report_data();
        QVERIFY(data.values.isEmpty());
        QCOMPARE(data.entries.size(), 15);
    }

    void inclusionRule_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("includeEmpty");
        QTest::addColumn<bool>("included");
        QTest::newRow("empty, no") << "" << false << false;
        QTest::newRow("empty, yes") << "" << true << true;
        QTest::newRow("spaces count as filled") << "  " << false << true;
        QTest::newRow("filled, no") << "x" << false << true;
    }

    void inclusionRule()
    {
        QFETCH(QString, value);
        QFETCH(bool, includeEmpty);
        QFETCH(bool, included);
        QCOMPARE(is_entry_included({QStringLiteral("label"), value, QStringLiteral("section")}, includeEmpty),
                 included);
    }

    // The statistics under the captions shown, to one decimal as the boxes hold them; the
    // pictures of the whole block over the plot range, against the limits in force; the
    // tolerance rows only when asked for and shown.
    void blockReport_data()
    {
        QTest::addColumn<bool>("graph");
        QTest::addColumn<bool>("diagram");
        QTest::addColumn<bool>("tolerance");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<bool>("line");
        QTest::addColumn<int>("rows");
        QTest::newRow("nothing asked") << false << false << false << true << 0 << false << 0;
        QTest::newRow("graph, limits shown") << true << false << false << true << 1 << true << 0;
        QTest::newRow("both plots, limits off") << true << true << false << false << 2 << false << 0;
        QTest::newRow("diagram and tolerance") << false << true << true << true << 1 << true << 5;
        QTest::newRow("tolerance, limits off") << false << false << true << false << 0 << false << 0;
    }

    void blockReport()
    {
        QFETCH(bool, graph);
        QFETCH(bool, diagram);
        QFETCH(bool, tolerance);
        QFETCH(bool, shown);
        QFETCH(int, pictures);
        QFETCH(bool, line);
        QFETCH(int, rows);
        ReportDesk desk;
        desk.show(QStringLiteral("1 HV"), {-3.26f, 123.44f});
        desk.setLimits(0, 10, shown);
        desk.screen.choice = {graph, diagram, tolerance, -20, 150};
        desk.screen.form.logo = QImage(4, 2, QImage::Format_RGB32);
        desk.screen.form.comments = QStringLiteral("заметка");

        const ReportModel report = desk.reports.collect_report_model(true, QSize(60, 40));
        QVERIFY(report.includeEmpty);
        QCOMPARE(report.logo.size(), QSize(4, 2));
        QCOMPARE(report.comments, QStringLiteral("заметка"));
        QCOMPARE(report.commentsCaption, QStringLiteral("Комментарии"));
        QCOMPARE(report.statisticsCaption, QStringLiteral("Статистика"));
        QCOMPARE(report.statistics.size(), 4);
        for (const auto &[row, label, value] : {std::tuple{0, "Min", -3.3}, {1, "Max", 123.4}, {2, "Среднее", 60.1},
                                                {3, "σ", 89.6}}) {
            QCOMPARE(report.statistics.at(row).label, QString::fromUtf8(label));
            QCOMPARE(report.statistics.at(row).value, value);
        }
        QCOMPARE(report.mean, 60.1);
        QCOMPARE(report.sketches.size(), pictures);
        QCOMPARE(desk.screen.drawn.size(), pictures > 0 ? 1 : 0);
        if (pictures > 0) {
            const PlotPictureSource source = desk.screen.drawn.first();
            QCOMPARE(source.values, desk.model.shownBlock().values);
            QCOMPARE(source.limits, desk.model.limits());
            QCOMPARE(source.low, -20.0);
            QCOMPARE(source.high, 150.0);
            QCOMPARE(report.sketches.first()().size(), QSize(60, 40));
        }
        QCOMPARE(report.toleranceLine, line);
        QCOMPARE(report.limits, desk.model.limits());
        QCOMPARE(report.toleranceRows.size(), rows);
    }

    // The form with the figures of every listed block, no block of its own.
    void summaryReport()
    {
        ReportDesk desk;
        desk.model.setBlocks({{"1 HRC", {45, 47}}, {"2 HB", {}}});
        desk.model.showBlock(0);
        desk.screen.set(QStringLiteral("company_name"), QStringLiteral("ООО Ромашка"));
        const SummaryReportModel summary = desk.reports.collect_summary_model(false);
        QVERIFY(!summary.form.includeEmpty);
        QCOMPARE(summary.form.data.entries.at(0).value, QStringLiteral("ООО Ромашка"));
        QCOMPARE(summary.form.data.creator, QStringLiteral("Ormeda test"));
        QVERIFY(summary.form.data.values.isEmpty());
        QCOMPARE(summary.table.rows.size(), 2);
        QCOMPARE(desk.reports.collect_summary_csv().count("\r\n"), 3);
    }
};

QTEST_MAIN(TestReportAssembly)
#include "tst_reportassembly.moc"
