// The tolerance figures beside the limits: how many values lie outside them and
// Cp, Cpk, following the shown block, the limit values and their check box.
#include <QtTest>

#include <memory>

#include "settingssandbox.h"
#include "valuetable.h"
#include "viewtestwindow.h"

namespace {

const QString none = QStringLiteral("—");

QStringList shown_figures(WindowForm *ui)
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

} // namespace

class TestToleranceFigures : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;
    std::unique_ptr<MainWindow> w;
    WindowForm *ui = nullptr;

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

        QTest::newRow("below and above") << QVector<float>{-1, 2, 3, 11, 12, 5, 6} << true
                                         << QStringList{"3 из 7 (42.9 %)", "0.35", "0.32"};
        QTest::newRow("one value") << QVector<float>{12} << true << QStringList{"1 из 1 (100.0 %)", none, none};
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
        int red = 0;
        for (int row = 0; row < values.size(); ++row)
            red += is_red(ui->table_block_data, row) ? 1 : 0;
        if (ticked && !values.isEmpty())
            QCOMPARE(expected.at(0).section(' ', 0, 0).toInt(), red);
    }

    void followTheModelAtOnce()
    {
        QCOMPARE(shown_figures(ui), (QStringList{none, none, none})); // no block yet
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
        // A new list empties the display, its figures too.
        set_blocks(*w, {Block("c", {100})});
        QCOMPARE(shown_figures(ui), (QStringList{none, none, none}));
        show_block(*w, 0);
        ui->set_limits_checkbox->setChecked(false);
        QCOMPARE(shown_figures(ui), (QStringList{none, none, none}));
    }

    void languageSwitch()
    {
        set_limits(*w, 0.0, 10.0, true);
        show_values(*w, {-1, 2, 3, 11, 12, 5, 6});
        ui->actionEN->trigger();
        QCOMPARE(ui->out_of_limits_label->text(), QString("Out of tolerance"));
        QCOMPARE(ui->report_tolerance_checkbox->text(), QString("Include the tolerance assessment in the report"));
        QCOMPARE(shown_figures(ui), (QStringList{"3 of 7 (42.9 %)", "0.35", "0.32"}));
        ui->actionRU->trigger();
        QCOMPARE(ui->out_of_limits_label->text(), QString("Вне допуска"));
        QCOMPARE(ui->out_of_limits_box->text(), QString("3 из 7 (42.9 %)"));
    }

    // With the figures beside the limits the window still fits the screens it is made for: an
    // operator's 1024 x 768 at the default font, a laptop's 1366 x 768 four steps larger, less
    // a taskbar; and a figure is shown whole at that size.
    void minimumSizeDoesNotGrow_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("fontSteps");
        QTest::addColumn<QSize>("bound");
        QTest::newRow("Russian") << false << 0 << QSize(1000, 660);
        QTest::newRow("English, larger") << true << 4 << QSize(1366, 728);
        QTest::newRow("English, smaller") << true << -4 << QSize(1000, 660);
    }

    void minimumSizeDoesNotGrow()
    {
        QFETCH(bool, english);
        QFETCH(int, fontSteps);
        QFETCH(QSize, bound);
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
        QVERIFY2(with.boundedTo(bound) == with, qPrintable(QString("%1 x %2").arg(with.width()).arg(with.height())));

        w->resize(with);
        QTRY_COMPARE(w->size(), with);
        const QLineEdit *box = ui->out_of_limits_box;
        QVERIFY(box->fontMetrics().horizontalAdvance(box->text()) < box->contentsRect().width());
    }

    void reportCheckBoxNotKept()
    {
        ui->report_tolerance_checkbox->setChecked(true);
        w.reset(); // saves the settings
        init();
        QVERIFY(!ui->report_tolerance_checkbox->isChecked());
    }
};

QTEST_MAIN(TestToleranceFigures)
#include "tst_tolerancefigures.moc"
