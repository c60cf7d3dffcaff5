#include <QtTest>

#include <QListWidget>
#include <QStatusBar>
#include <QTableView>

#include <limits>
#include <memory>

#include "instrumentemulator.h"
#include "modaldriver.h"
#include "instrumentfixture.h"
#include "qcustomplot.h"
#include "settingssandbox.h"
#include "valuetable.h"
#include "viewtestwindow.h"

namespace {

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray frame(int index, int command)
{
    const char request[4] = {char(index & 0xFF), char(index >> 8), char(command), '\0'};
    return QByteArray(request, 4);
}

EmulatedBlock raw_block(const QByteArray &rawName, const QVector<float> &values = {1})
{
    EmulatedBlock block;
    block.rawName = rawName;
    block.values = values;
    return block;
}

QStringList list_texts(QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace

// Read button → list → double click, against the emulated instrument.
class TestBlockReading : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> w;
    std::unique_ptr<InstrumentEmulator> emulator;
    WindowForm *ui = nullptr;

    bool attach(const QVector<EmulatedBlock> &blocks)
    {
        emulator->setBlocks(blocks);
        if (!emulator->openPseudoTerminal() || !connectInstrument(*w, *emulator))
            return false;
        emulator->clearRequests();
        return true;
    }

    void read() { QTest::mouseClick(ui->button_read_data, Qt::LeftButton); }

    void double_click(int row)
    {
        QListWidget *list = ui->block_names_list;
        QListWidgetItem *item = list->item(row);
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        // What the window system delivers: press, release, double click, release.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // Every read keeps a reading file: in a home of the suite's own.
    SettingsSandbox sandbox;

    static QStringList readings() { return QDir(SettingsSandbox::folder() + "/readings").entryList(QDir::Files); }

private slots:
    void initTestCase() { QVERIFY(sandbox.startWithoutPorts()); }

    void init()
    {
        QFile::remove(SettingsSandbox::folder() + "/readings");
        QDir(SettingsSandbox::folder() + "/readings").removeRecursively();
        w = std::make_unique<MainWindow>();
        ui = MainWindowAccess::ui(*w);
        set_limits(*w, 0.0, 5.0, false);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        emulator = std::make_unique<InstrumentEmulator>();
    }

    void cleanup()
    {
        w.reset();
        emulator.reset();
    }

    void names_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("name");

        const QByteArray abc = bytes("410042004300");
        QTest::newRow("FF padding vanishes") << abc + QByteArray(14, '\xFF') << "ABC";
        QTest::newRow("00 padding stays") << abc + QByteArray(14, '\0') << "ABC" + QString(7, QChar(0));
        QTest::newRow("little-endian mark")
            << bytes("FFFE") + bytes("410042004300440045004600470048004900") << "ABCDEFGHI";
        QTest::newRow("big-endian mark")
            << bytes("FEFF") + bytes("004100420043FFFFFFFFFFFFFFFFFFFFFFFF") << "ABC";
        QTest::newRow("cyrillic, digits, space") << EmulatedBlock::named("Шов ёЁ 129", {}).rawName << "Шов ёЁ 129";
        QTest::newRow("numero sign dropped") << EmulatedBlock::named("Шов №5", {}).rawName << "Шов 5";
        QTest::newRow("CJK dropped") << EmulatedBlock::named("A中B", {}).rawName << "AB";
    }

    void names()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QString, name);

        // Enough values that the data request's time-out (10 ms a value) leaves room on a busy machine.
        const QVector<float> values(30, 2.5f);
        QVERIFY(attach({raw_block(raw, values)}));
        read();
        QCOMPARE(list_texts(ui->block_names_list), QStringList{name});
        QCOMPARE(MainWindowAccess::blocks(*w).at(0).name, name);
        QCOMPARE(MainWindowAccess::blocks(*w).at(0).values, values);
    }

    void read_order_and_button_states()
    {
        QVERIFY(attach({EmulatedBlock::named("A", {1, 2}), EmulatedBlock::named("B", {}),
                        EmulatedBlock::named("C", {3})}));
        ui->button_export_to_PDF->setEnabled(true);
        ui->button_export_to_excel->setEnabled(true);

        int checked = 0;
        connect(emulator.get(), &InstrumentEmulator::requestReceived, this, [&] {
            // Every request is made with the three buttons disabled.
            QVERIFY(!ui->button_read_data->isEnabled());
            QVERIFY(!ui->button_export_to_PDF->isEnabled());
            QVERIFY(!ui->button_export_to_excel->isEnabled());
            ++checked;
        });
        read();

        // An empty block gets no data request.
        const QList<QByteArray> expected{frame(0, 6), frame(0, 7), frame(0, 8), frame(0, 9), frame(1, 7),
                                         frame(1, 8), frame(2, 7), frame(2, 8), frame(2, 9)};
        QCOMPARE(emulator->requests(), expected);
        QCOMPARE(checked, expected.size());
        QCOMPARE(list_texts(ui->block_names_list), (QStringList{"A", "B", "C"}));
        QCOMPARE(ui->block_names_list->currentItem(), nullptr);
        QVERIFY(ui->button_read_data->isEnabled());
        QVERIFY(!ui->button_export_to_PDF->isEnabled());
        QVERIFY(!ui->button_export_to_excel->isEnabled());
    }

    void failed_name_is_listed_empty()
    {
        QVERIFY(attach({EmulatedBlock::named("A", {1}), EmulatedBlock::named("B", {4, 5}),
                        EmulatedBlock::named("C", {6})}));
        CommandFault fault;
        fault.skip = 1;
        fault.count = 1;
        fault.errorAnswer = true;
        emulator->setFault(7, fault);
        read();

        QCOMPARE(list_texts(ui->block_names_list), (QStringList{"A", "", "C"}));
        QCOMPARE(MainWindowAccess::blocks(*w).at(1).values, (QVector<float>{4, 5}));
        double_click(1);
        QCOMPARE(table_texts(ui->table_block_data), (QStringList{"4.00", "5.00"}));
    }

    void link_lost_during_the_read()
    {
        QVERIFY(attach({EmulatedBlock::named("A", {1}), EmulatedBlock::named("B", {2}),
                        EmulatedBlock::named("C", {3})}));
        CommandFault fault;
        fault.skip = 1;
        fault.unplugAfter = 0;
        emulator->setFault(8, fault);
        read();

        QCOMPARE(list_texts(ui->block_names_list), (QStringList{"A", "B", ""}));
        QCOMPARE(MainWindowAccess::blocks(*w).at(0).values, QVector<float>{1});
        QVERIFY(MainWindowAccess::blocks(*w).at(1).values.isEmpty());
        QVERIFY(MainWindowAccess::blocks(*w).at(2).values.isEmpty());
        // The link is gone: the button waits for the next handshake.
        QVERIFY(!ui->button_read_data->isEnabled());
    }

    void no_blocks()
    {
        QVERIFY(attach({}));
        set_blocks(*w, {Block("old", {1})});
        read();
        QCOMPARE(ui->block_names_list->count(), 0);
        QCOMPARE(readings(), QStringList()); // nothing listed, nothing kept
        QVERIFY(MainWindowAccess::blocks(*w).isEmpty());
        QVERIFY(ui->button_read_data->isEnabled());
        QVERIFY(!ui->button_export_to_PDF->isEnabled());
        QVERIFY(!ui->button_export_to_excel->isEnabled());
    }

    void reading_that_cannot_be_kept_is_said()
    {
        QFile blocker(SettingsSandbox::folder() + "/readings"); // a file where the folder goes
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(attach({EmulatedBlock::named("A", {1, 2})}));
        read();
        QCOMPARE(w->statusBar()->currentMessage(), QString("Не удалось сохранить показания"));
        QCOMPARE(list_texts(ui->block_names_list), QStringList{"A"});
        QVERIFY(ui->button_read_data->isEnabled());
        QVERIFY(blocker.remove());

        read();
        QCOMPARE(readings().size(), 1);
        QCOMPARE(w->statusBar()->currentMessage(), QString());
    }

    void double_click_shows_the_block()
    {
        QVERIFY(attach({EmulatedBlock::named("Other", {7, 8, 9}), EmulatedBlock::named("Steps", {1, 2, 3, 4})}));
        read();
        double_click(1);

        QCOMPARE(table_texts(ui->table_block_data), (QStringList{"1.00", "2.00", "3.00", "4.00"}));
        QCOMPARE(ui->min_box->value(), 1.0);
        QCOMPARE(ui->max_box->value(), 4.0);
        QCOMPARE(ui->mean_box->value(), 2.5);
        QCOMPARE(ui->stdev_box->value(), 1.3);
        QVERIFY(ui->button_export_to_PDF->isEnabled());
        QVERIFY(ui->button_export_to_excel->isEnabled());
        QCOMPARE(ui->graph->graph(0)->dataCount(), 4);
        QCOMPARE(ui->diagram->plottableCount(), 1);
        QCOMPARE(ui->diagram->xAxis->range().upper, 5.0);
        QCOMPARE(ui->graph->yAxis->range().lower, -0.5);
        QCOMPARE(ui->diagram->yAxis->range().upper, 5.5);
        QCOMPARE(ui->graphs_limits_min->value(), -0.5);
        QCOMPARE(ui->graphs_limits_max->value(), 5.5);
    }

    void shown_texts_are_cut()
    {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QVERIFY(attach({EmulatedBlock::named("Cut", {0.29f, 9.999f, 99.99f, 123.9f, nan, -7.899f})}));
        read();
        double_click(0);
        QCOMPARE(table_texts(ui->table_block_data), (QStringList{"0.29", "9.99", "99.9", "123", "nan", "-7.89"}));
    }

    void limits_mark_table_and_plots()
    {
        QVERIFY(attach({EmulatedBlock::named("Edge", {5.009f, 1}), EmulatedBlock::named("Mixed", {1, 3, 5})}));
        read();

        // 5.009 shows as 5.00 but was measured above 5: outside for the table as for the plots.
        set_limits(*w, 0.0, 5.0, true);
        double_click(0);
        QCOMPARE(cell_text(ui->table_block_data, 0), QString("5.00"));
        QCOMPARE(cell_data(ui->table_block_data, 0, Qt::ForegroundRole).value<QBrush>(), QBrush(Qt::red, Qt::SolidPattern));
        QCOMPARE(ui->graph->graphCount(), 2);
        QCOMPARE(ui->graph->graph(1)->data()->at(0)->key, 1.0);

        set_limits(*w, 2.0, 4.0, true);
        double_click(1);
        const QBrush red(Qt::red, Qt::SolidPattern);
        QCOMPARE(cell_data(ui->table_block_data, 0, Qt::ForegroundRole).value<QBrush>(), red);
        QCOMPARE(cell_data(ui->table_block_data, 1, Qt::ForegroundRole).value<QBrush>(), QBrush());
        QCOMPARE(cell_data(ui->table_block_data, 2, Qt::ForegroundRole).value<QBrush>(), red);
        QCOMPARE(ui->graph->graphCount(), 2);
        QCOMPARE(ui->graph->graph(1)->dataCount(), 2);
        auto *inside = qobject_cast<QCPBars *>(ui->diagram->plottable(0));
        auto *outside = qobject_cast<QCPBars *>(ui->diagram->plottable(1));
        QCOMPARE(inside->data()->at(0)->key, 2.0);
        QCOMPARE(outside->dataCount(), 2);
        QCOMPARE(outside->brush().color(), QColor(255, 0, 0, 100));
        QVERIFY(MainWindowAccess::diagramMaxLine(*w)->visible());
        QCOMPARE(MainWindowAccess::diagramMaxLine(*w)->point1->coords().y(), 4.0);
    }

    void second_read_empties_the_display()
    {
        QVERIFY(attach({EmulatedBlock::named("First", {1, 2}), EmulatedBlock::named("Second", {3})}));
        read();
        double_click(0);
        QVERIFY(ui->button_export_to_PDF->isEnabled());

        emulator->setBlocks({EmulatedBlock::named("New", {9, 9, 9})});
        read();
        QCOMPARE(list_texts(ui->block_names_list), QStringList{"New"});
        QCOMPARE(table_texts(ui->table_block_data), QStringList());
        QCOMPARE(ui->graph->graph(0)->dataCount(), 0);
        QCOMPARE(ui->mean_box->text(), QString("—"));
        QVERIFY(!ui->button_export_to_PDF->isEnabled());
        QVERIFY(!ui->button_export_to_excel->isEnabled());

        double_click(0);
        QCOMPARE(table_texts(ui->table_block_data), (QStringList{"9.00", "9.00", "9.00"}));
        QVERIFY(ui->button_export_to_excel->isEnabled());
    }

    void double_click_during_a_read()
    {
        QVERIFY(attach({EmulatedBlock::named("A", {1}), EmulatedBlock::named("B", {2}),
                        EmulatedBlock::named("C", {3})}));
        read();
        double_click(2);
        QCOMPARE(table_texts(ui->table_block_data), QStringList{"3.00"});

        emulator->setBlocks({EmulatedBlock::named("X", {7, 8}), EmulatedBlock::named("Y", {4})});
        bool clicked = false;
        connect(emulator.get(), &InstrumentEmulator::requestReceived, this, [&](const QByteArray &request) {
            if (clicked || request != frame(1, 7))
                return;
            clicked = true;
            // Opening a reading now would let the read go on filling it.
            ModalDriver none;
            ui->action_open_reading->trigger();
            QCOMPARE(none.seen.size(), 0);
            // X is read, but until the read ends every row still shows the block it names.
            double_click(2);
            QCOMPARE(table_texts(ui->table_block_data), QStringList{"3.00"});
            double_click(0);
            QCOMPARE(table_texts(ui->table_block_data), QStringList{"1.00"});
        });
        read();
        QVERIFY(clicked);
        QCOMPARE(list_texts(ui->block_names_list), (QStringList{"X", "Y"}));
    }
};

QTEST_MAIN(TestBlockReading)
#include "tst_blockreading.moc"
