// The tolerance figures beside the limits: how many values lie outside them and
// Cp, Cpk, following the shown block, the limit values and their check box.
#include <QtTest>

#include <memory>

#include "valuetable.h"
#include "panelfixture.h"

namespace {

const QString none = QStringLiteral("—");

QStringList shown_figures(const std::unique_ptr<PanelForm> &ui)
{
    return {ui->out_of_limits_box->text(), ui->cp_box->text(), ui->cpk_box->text()};
}


} // namespace

class TestToleranceFigures : public QObject
{
    Q_OBJECT

    std::unique_ptr<Panels> w;
    std::unique_ptr<PanelForm> ui;

private slots:
    void init()
    {
        w = std::make_unique<Panels>();
        ui = std::make_unique<PanelForm>(*w);
    }

    void cleanup()
    {
        ui.reset();
        w.reset();
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
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/ts.qm")));
        QCoreApplication::installTranslator(&english);
        w->plots->retranslate();
        QCOMPARE(ui->out_of_limits_label->text(), QString("Out of tolerance"));
        QCOMPARE(ui->report_tolerance_checkbox->text(), QString("Include the tolerance assessment in the report"));
        QCOMPARE(shown_figures(ui), (QStringList{"3 of 7 (42.9 %)", "0.35", "0.32"}));
        QCoreApplication::removeTranslator(&english);
        w->plots->retranslate();
        QCOMPARE(ui->out_of_limits_label->text(), QString("Вне допуска"));
        QCOMPARE(ui->out_of_limits_box->text(), QString("3 из 7 (42.9 %)"));
    }
};

QTEST_MAIN(TestToleranceFigures)
#include "tst_tolerancefigures.moc"
