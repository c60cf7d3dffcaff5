// The tolerance figures beside the limits: how many values lie outside them and
// Cp, Cpk, following the shown block, the limit values and their check box.
#include <QtTest>

#include <QLineEdit>
#include <QTableView>

#include <memory>

#include "settingssandbox.h"
#include "valuetable.h"
#include "viewtestwindow.h"
#ifdef ORMEDA_HAVE_DEMO_BLOCKS
#include "demoblocks.h"
#endif

namespace {

const QString none = QStringLiteral("—");

QStringList shown_figures(Ui::MainWindow *ui)
{
    return {ui->out_of_limits_box->text(), ui->cp_box->text(), ui->cpk_box->text()};
}

// A changed text or font reaches the layouts through their posted requests.
QSize settled_minimum(QWidget *window)
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return window->minimumSizeHint();
}

int red_cells(QTableView *table)
{
    int red = 0;
    for (int row = 0; row < row_count(table); ++row)
        red += is_red(table, row) ? 1 : 0;
    return red;
}

} // namespace

class TestToleranceFigures : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;
    std::unique_ptr<MainWindow> w;
    Ui::MainWindow *ui = nullptr;

private slots:
    void initTestCase() { QVERIFY(sandbox.startWithoutPorts()); }

    void init()
    {
        w = std::make_unique<MainWindow>();
        ui = MainWindowAccess::ui(*w);
    }

    void cleanup()
    {
        w.reset();
        SettingsSandbox::clear();
    }

    void figures_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QStringList>("expected");

        // Mean 2.5, σ 1.291: Cp = 10 / 7.746, Cpk = 2.5 / 3.873.
        QTest::newRow("all inside") << QVector<float>{1, 2, 3, 4} << true << QStringList{"0 из 4 (0.0 %)", "1.29", "0.65"};
        QTest::newRow("below and above") << QVector<float>{-1, 2, 3, 11, 12, 5, 6} << true
                                         << QStringList{"3 из 7 (42.9 %)", "0.35", "0.32"};
        // 10.001 shows as 10.0 in the table, which is not red: nor is it counted.
        QTest::newRow("cut onto the limit") << QVector<float>{10.001f, 10.09f, 5} << true
                                            << QStringList{"0 из 3 (0.0 %)", "0.57", "0.19"};
        QTest::newRow("one value") << QVector<float>{12} << true << QStringList{"1 из 1 (100.0 %)", none, none};
        QTest::newRow("no spread") << QVector<float>{3, 3, 3} << true << QStringList{"0 из 3 (0.0 %)", none, none};
        QTest::newRow("empty block") << QVector<float>{} << true << QStringList{none, none, none};
        QTest::newRow("limits not shown") << QVector<float>{-1, 2, 3, 11} << false << QStringList{none, none, none};
    }

    void figures()
    {
        QFETCH(QVector<float>, values);
        QFETCH(bool, ticked);
        QFETCH(QStringList, expected);

        set_limits(*w, 0.0, 10.0, ticked);
        show_values(*w, values);
        QCOMPARE(shown_figures(ui), expected);
        // The count is the table's red cells.
        if (expected.at(0) != none)
            QCOMPARE(expected.at(0).section(' ', 0, 0).toInt(), red_cells(ui->table_block_data));
    }

    void nothingShownYet()
    {
        QCOMPARE(shown_figures(ui), (QStringList{none, none, none}));
        set_limits(*w, 0.0, 10.0, true);
        QCOMPARE(shown_figures(ui), (QStringList{none, none, none}));
    }

    void followTheModelAtOnce()
    {
        set_blocks(*w, {Block("a", {-1, 2, 3, 11, 12, 5, 6}), Block("b", {4, 5})});
        set_limits(*w, 0.0, 10.0, false);
        show_block(*w, 0);
        QCOMPARE(shown_figures(ui), (QStringList{none, none, none}));

        ui->set_limits_checkbox->setChecked(true);
        QCOMPARE(shown_figures(ui), (QStringList{"3 из 7 (42.9 %)", "0.35", "0.32"}));

        // A limit typed in counts before the check box is touched again.
        type_limit(ui->limits_max, 11.5);
        QCOMPARE(shown_figures(ui), (QStringList{"2 из 7 (28.6 %)", "0.41", "0.38"}));

        show_block(*w, 1);
        QCOMPARE(shown_figures(ui), (QStringList{"0 из 2 (0.0 %)", "2.71", "2.12"}));

        // A new list leaves the shown block, and its figures, as they are.
        set_blocks(*w, {Block("c", {100})});
        QCOMPARE(shown_figures(ui), (QStringList{"0 из 2 (0.0 %)", "2.71", "2.12"}));

        ui->set_limits_checkbox->setChecked(false);
        QCOMPARE(shown_figures(ui), (QStringList{none, none, none}));
    }

    void languageSwitch_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("russian");
        QTest::newRow("limits shown") << true << "3 of 7 (42.9 %)" << "3 из 7 (42.9 %)";
        QTest::newRow("limits not shown") << false << none << none;
    }

    void languageSwitch()
    {
        QFETCH(bool, ticked);
        QFETCH(QString, english);
        QFETCH(QString, russian);
        set_limits(*w, 0.0, 10.0, ticked);
        show_values(*w, {-1, 2, 3, 11, 12, 5, 6});
        const QString cp = ui->cp_box->text();

        ui->actionEN->trigger();
        QCOMPARE(ui->out_of_limits_label->text(), QString("Out of tolerance"));
        QCOMPARE(ui->cp_label->text(), QString("Cp"));
        QCOMPARE(ui->cpk_label->text(), QString("Cpk"));
        QCOMPARE(ui->report_tolerance_checkbox->text(), QString("Include the tolerance assessment in the report"));
        QCOMPARE(ui->out_of_limits_box->text(), english);
        QCOMPARE(ui->cp_box->text(), cp);

        ui->actionRU->trigger();
        QCOMPARE(ui->out_of_limits_label->text(), QString("Вне допуска"));
        QCOMPARE(ui->report_tolerance_checkbox->text(), QString("Включить оценку допуска в отчет"));
        QCOMPARE(ui->out_of_limits_box->text(), russian);
    }

    // Beside the limits, where the middle column has room to spare: the window's
    // smallest size is what it would be without them, in either language and at
    // any font size.
    void minimumSizeDoesNotGrow_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("fontSteps");
        QTest::newRow("Russian") << false << 0;
        QTest::newRow("English") << true << 0;
        QTest::newRow("Russian, larger") << false << 4;
        QTest::newRow("English, larger") << true << 4;
        QTest::newRow("English, smaller") << true << -4;
    }

    void minimumSizeDoesNotGrow()
    {
        QFETCH(bool, english);
        QFETCH(int, fontSteps);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        if (english)
            ui->actionEN->trigger();
        for (int i = 0; i < qAbs(fontSteps); ++i)
            (fontSteps > 0 ? ui->action_font_size_increase : ui->action_font_size_decrease)->trigger();
        set_limits(*w, 0.0, 10.0, true);
        show_values(*w, {-1, 2, 3, 11, 12, 5, 6});

        const QList<QWidget *> added = {ui->out_of_limits_label, ui->out_of_limits_box, ui->cp_label, ui->cp_box,
                                        ui->cpk_label, ui->cpk_box, ui->report_tolerance_checkbox};
        const QSize with = settled_minimum(w.get());
        for (QWidget *widget : added)
            widget->hide();
        const QSize without = settled_minimum(w.get());
        for (QWidget *widget : added)
            widget->show();
        QCOMPARE(settled_minimum(w.get()), with);
        QCOMPARE(with, without);

        // And at that size the figure is shown whole.
        w->resize(with);
        QTRY_COMPARE(w->size(), with);
        const QLineEdit *box = ui->out_of_limits_box;
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) < box->contentsRect().width(),
                 qPrintable(QString::number(box->width())));
    }

    void reportCheckBoxStartsUnticked()
    {
        QVERIFY(!ui->report_tolerance_checkbox->isChecked());
        ui->report_tolerance_checkbox->setChecked(true);
        w.reset(); // saves the settings
        init();
        QVERIFY(!ui->report_tolerance_checkbox->isChecked());
    }

#ifdef ORMEDA_HAVE_DEMO_BLOCKS
    // The demonstration reading's weld traverse with the limits of a fresh settings
    // file, 0 and 10: 10.1, 11.4 and 10.7 lie above. Its 21 values sum to 106.0,
    // mean 5.0476; their squares to 697.02, so σ = √((697.02 − 106²/21) / 20) = 2.8458.
    // Cp = 10 / (6 · 2.8458) = 0.586, Cpk = min(4.9524, 5.0476) / (3 · 2.8458) = 0.580.
    void demoWeld()
    {
        QCOMPARE(ui->limits_min->value(), 0.0);
        QCOMPARE(ui->limits_max->value(), 10.0);
        set_blocks(*w, {Block(QStringLiteral("1 Шов"), demoBlocks().at(0).values)});
        show_block(*w, 0);
        ui->set_limits_checkbox->setChecked(true);
        QCOMPARE(shown_figures(ui), (QStringList{"3 из 21 (14.3 %)", "0.59", "0.58"}));
    }
#endif
};

QTEST_MAIN(TestToleranceFigures)
#include "tst_tolerancefigures.moc"
