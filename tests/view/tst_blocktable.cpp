#include <QtTest>

#include <QClipboard>
#include <QFont>
#include <QLabel>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

#include <limits>
#include <memory>

#include "../report/modaldriver.h"
#include "csvtable.h"
#include "urlcatcher.h"
#include "valuetable.h"
#include "viewtestwindow.h"

class TestBlockTable : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> w;
    Ui::MainWindow *ui = nullptr;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        w = std::make_unique<MainWindow>();
        ui = MainWindowAccess::ui(*w);
        set_limits(*w, 0.0, 5.0, false);
    }

    void cleanup() { w.reset(); }

    void table_holds_cut_texts_centred()
    {
        show_values(*w, {0.29f, 9.999f, 99.99f, 123.9f, std::numeric_limits<float>::quiet_NaN()});

        QTableView *table = ui->table_block_data;
        QCOMPARE(table->model()->columnCount(), 1);
        QCOMPARE(table_texts(table), (QStringList{"0.29", "9.99", "99.9", "123", "nan"}));
        for (int row = 0; row < 5; ++row) {
            QCOMPARE(cell_data(table, row, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
            QCOMPARE(table->model()->headerData(row, Qt::Vertical).toInt(), row + 1);
        }
        QCOMPARE(table->model()->headerData(0, Qt::Horizontal).toString(), QString());
    }

    void statistics_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("stdev");
        QTest::addColumn<bool>("exportable");

        QTest::newRow("1 2 3 4") << QVector<float>{1, 2, 3, 4} << 1.0 << 4.0 << 2.5 << 1.3 << true;
        QTest::newRow("unordered, negative") << QVector<float>{3, -2, 7, 0} << -2.0 << 7.0 << 2.0 << 3.9 << true;
        // One value has no spread: 0.0, not 0/0 shown as the box's maximum.
        QTest::newRow("one value") << QVector<float>{12.36f} << 12.4 << 12.4 << 12.4 << 0.0 << true;
        // Nothing to take a minimum of: "—" everywhere, no export.
        QTest::newRow("no values") << QVector<float>{} << 0.0 << 0.0 << 0.0 << 0.0 << false;
        QTest::newRow("NaN never replaces min or max")
            << QVector<float>{2, std::numeric_limits<float>::quiet_NaN(), 1} << 1.0 << 2.0
            << 999999.0 << 999999.0 << true;
    }

    void statistics()
    {
        QFETCH(QVector<float>, values);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(double, mean);
        QFETCH(double, stdev);
        QFETCH(bool, exportable);

        // Boxes start from something else, so a box left alone would show.
        show_values(*w, {100, 300});
        show_values(*w, values);

        const QDoubleSpinBox *boxes[] = {ui->min_box, ui->max_box, ui->mean_box, ui->stdev_box};
        const double figures[] = {minimum, maximum, mean, stdev};
        for (int i = 0; i < 4; ++i) {
            if (values.isEmpty())
                QCOMPARE(boxes[i]->text(), QString("—"));
            else
                QCOMPARE(boxes[i]->value(), figures[i]);
        }
        QCOMPARE(row_count(ui->table_block_data), values.size());
        QCOMPARE(ui->button_export_to_PDF->isEnabled(), exportable);
        QCOMPARE(ui->button_export_to_excel->isEnabled(), exportable);
        QCOMPARE(ui->action_export_csv->isEnabled(), exportable);
    }

    void cell_colours_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<QVector<bool>>("red");

        // 5.009 shows as 5.00: the measured decimal decides, so it is outside 0 … 5.
        QTest::newRow("cut text outside") << true << QVector<float>{5.009f} << QVector<bool>{true};
        QTest::newRow("limits are inside") << true << QVector<float>{0, 5} << QVector<bool>{false, false};
        QTest::newRow("below and above") << true << QVector<float>{-0.02f, 2, 5.01f}
                                         << QVector<bool>{true, false, true};
        // -0.01 shows as -0.01 and is below 0; -0 is not.
        QTest::newRow("just below zero") << true << QVector<float>{-0.01f, -0.0f} << QVector<bool>{true, false};
        QTest::newRow("nan never red") << true << QVector<float>{std::numeric_limits<float>::quiet_NaN()}
                                       << QVector<bool>{false};
        QTest::newRow("off: nothing red") << false << QVector<float>{-100, 100} << QVector<bool>{false, false};
    }

    void cell_colours()
    {
        QFETCH(bool, ticked);
        QFETCH(QVector<float>, values);
        QFETCH(QVector<bool>, red);

        set_limits(*w, 0.0, 5.0, ticked);
        show_values(*w, values);
        for (int row = 0; row < values.size(); ++row)
            QCOMPARE(is_red(ui->table_block_data, row), red.at(row));
    }

    void colours_follow_every_limit_change()
    {
        set_limits(*w, 0.0, 5.0, true);
        show_values(*w, {1, 4});
        QVERIFY(!is_red(ui->table_block_data, 1));

        type_limit(ui->limits_max, 3.0);
        QVERIFY(is_red(ui->table_block_data, 1));
        QCOMPARE(ui->out_of_limits_box->text(), QString("1 из 2 (50.0 %)"));
        ui->set_limits_checkbox->setChecked(false);
        QVERIFY(!is_red(ui->table_block_data, 1));
        ui->set_limits_checkbox->setChecked(true);
        QVERIFY(is_red(ui->table_block_data, 1));
        QVERIFY(!is_red(ui->table_block_data, 0));

        // Min above max is shown on the boxes and judges nothing until it is mended.
        type_limit(ui->limits_min, 3.5);
        QVERIFY(!is_red(ui->table_block_data, 1));
        QCOMPARE(ui->out_of_limits_box->text(), QString("—"));
        QCOMPARE(ui->limits_min->toolTip(), QString("Min больше Max"));
        type_limit(ui->limits_min, 0.5);
        QVERIFY(is_red(ui->table_block_data, 1));
        QVERIFY(ui->limits_max->toolTip().isEmpty());
    }

    void cells_follow_the_font_size()
    {
        show_values(*w, {1, 2});
        ui->set_limits_checkbox->setChecked(true);
        const int before = ui->table_block_data->font().pointSize();
        ui->action_font_size_increase->trigger();
        QCOMPARE(ui->table_block_data->font().pointSize(), before + 1);
        QVERIFY(!cell_data(ui->table_block_data, 0, Qt::FontRole).isValid());
    }

    void new_list_empties_the_shown_block()
    {
        set_limits(*w, 0.0, 5.0, true);
        set_blocks(*w, {Block("a", {1, 7}), Block("b", {3})});
        show_block(*w, 0);
        QVERIFY(ui->button_export_to_PDF->isEnabled());
        QVERIFY(!ui->table_block_data->viewport()->findChild<QLabel *>("table_hint")->isVisibleTo(w.get()));

        // A read or an opened reading: nothing of the old list stays on screen.
        set_blocks(*w, {Block("c", {4, 5})});
        QCOMPARE(row_count(ui->table_block_data), 0);
        QCOMPARE(ui->min_box->text(), QString("—"));
        QCOMPARE(ui->out_of_limits_box->text(), QString("—"));
        QCOMPARE(ui->graph->graph(0)->dataCount(), 0);
        QCOMPARE(ui->diagram->plottableCount(), 2);
        QVERIFY(!ui->button_export_to_PDF->isEnabled());
        QVERIFY(!ui->action_export_csv->isEnabled());
        const QLabel *hint = ui->table_block_data->viewport()->findChild<QLabel *>("table_hint");
        QVERIFY(hint->isVisibleTo(w.get()));
        QCOMPARE(hint->text(), QString("Дважды щёлкните блок в списке"));

        // Enter on a row shows it as a double click does.
        ui->block_names_list->setCurrentRow(0);
        QTest::keyClick(ui->block_names_list, Qt::Key_Return);
        QCOMPARE(table_texts(ui->table_block_data), (QStringList{"4.00", "5.00"}));
        QVERIFY(!hint->isVisibleTo(w.get()));
    }

    void limit_boxes_follow_the_unit()
    {
        QTableView *table = ui->table_block_data;
        MainWindowAccess::measurements(*w).setUnitLimits({}); // none kept from an earlier run
        set_blocks(*w, {Block("1 HRC", {45.8f, 43.8f}), Block("2 HB", {200, 230})});
        show_block(*w, 0);
        set_limits(*w, 44, 46, true);
        QVERIFY(is_red(table, 1));
        show_block(*w, 1);
        QCOMPARE(ui->limits_min->value(), 44.0); // a unit met first starts from the pair shown last
        QCOMPARE(ui->out_of_limits_box->text(), QString("2 из 2 (100.0 %)"));
        set_limits(*w, 190, 220, true);
        QVERIFY(!is_red(table, 0));
        QVERIFY(is_red(table, 1));
        show_block(*w, 0);
        QCOMPARE(ui->limits_max->value(), 46.0);
        QCOMPARE(ui->out_of_limits_box->text(), QString("1 из 2 (50.0 %)"));

        // Either separator is the decimal one.
        for (const QString &typed : {QString("45,5"), QString("45.7")}) {
            ui->limits_max->selectAll();
            QTest::keyClicks(ui->limits_max, typed);
            QCOMPARE(ui->limits_max->value(), QString(typed).replace(',', '.').toDouble());
        }
    }

    void csv_and_copy_give_the_shown_block()
    {
        set_blocks(*w, {Block("a", {0.1f, 12.345f, -0.0f}), Block("b", {7})});
        show_block(*w, 0);

        QTableView *table = ui->table_block_data;
        table->selectionModel()->select(table->model()->index(2, 0), QItemSelectionModel::Select);
        table->selectionModel()->select(table->model()->index(0, 0), QItemSelectionModel::Select);
        QTest::keySequence(table, QKeySequence::Copy);
        // Copied in full, as the CSV writes them, not as the cells show them.
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("0.1\n-0"));

        QTemporaryDir dir;
        UrlCatcher viewer;
        viewer.catchFileUrls();
        const QString path = dir.filePath("block.csv");
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path));
        ui->action_export_csv->trigger();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.at(0).nameFilters, QStringList{"(*.csv)"});
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        // In the system's own format, whichever it is.
        const CsvFormat format = CsvFormat::forLocale(QLocale::system());
        const QString s = format.separator;
        QCOMPARE(QString::fromUtf8(csv.readAll()), "\uFEFFНомер" + s + "Значение\r\n1" + s + format.number("0.1")
                                                       + "\r\n2" + s + format.number("12.345") + "\r\n3" + s + "-0\r\n");
        QVERIFY(viewer.urls.isEmpty());
        QCOMPARE(w->statusBar()->currentMessage(), QString("Файл сохранён: block.csv"));
    }

    void second_block_replaces_the_first()
    {
        set_blocks(*w, {Block("a", {1, 2, 3}), Block("b", {7})});
        show_block(*w, 0);
        show_block(*w, 1);
        QCOMPARE(table_texts(ui->table_block_data), QStringList{"7.00"});
        QCOMPARE(ui->mean_box->value(), 7.0);
    }
};

QTEST_MAIN(TestBlockTable)
#include "tst_blocktable.moc"
