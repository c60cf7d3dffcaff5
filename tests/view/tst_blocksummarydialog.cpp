// File → Block summary: the dialog of the listed blocks, over the model.
#include <QtTest>

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTranslator>

#include "blocksummarydialog.h"
#include "measurementmodel.h"

namespace {

QVector<Block> sample_blocks()
{
    return {Block("1 Шов", {3.2f, 5.5f, 11.4f, 9.9f}), // mean 7.5, one out
            Block("2 HRC", {9.5f, 9.7f}),              // mean 9.6, within
            Block("3 HB", {100, 204, 197}),           // mean 167.0, all out
            Block("4 HRC", {}),                        // no figures
            Block("5 HV", {10.2f, 0.5f, 6.0f, 7.0f, 2.5f})}; // mean 5.2, one out
}

QStringList headings(const QTableView *table)
{
    QStringList titles;
    for (int column = 0; column < table->model()->columnCount(); ++column)
        titles << table->model()->headerData(column, Qt::Horizontal).toString();
    return titles;
}

QStringList row_texts(const QTableView *table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->model()->columnCount(); ++column)
        texts << table->model()->index(row, column).data().toString();
    return texts;
}

// The block names in the order the table shows them.
QStringList shown_names(const QTableView *table)
{
    QStringList names;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        names << table->model()->index(row, 1).data().toString();
    return names;
}

} // namespace

class TestBlockSummaryDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<MeasurementModel> model;
    std::unique_ptr<BlockSummaryDialog> dialog;

    BlockSummaryDialog *open_summary()
    {
        dialog->show();
        return dialog.get();
    }

    void set_limits(bool shown, double min = 0, double max = 10)
    {
        model->setLimitValues(min, max);
        model->setLimitsShown(shown);
    }

private slots:
    void init()
    {
        model = std::make_unique<MeasurementModel>();
        dialog = std::make_unique<BlockSummaryDialog>(*model);
    }

    void cleanup()
    {
        dialog.reset();
        model.reset();
    }

    void columns_data()
    {
        QTest::addColumn<bool>("limitsShown");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("empty");
        QTest::newRow("limits hidden") << false << QStringList{"№", "Блок", "n", "Min", "Max", "Среднее", "σ"}
                                       << QStringList{"1", "1 Шов", "4", "3.20", "11.4", "7.5", "3.8"}
                                       << QStringList{"4", "4 HRC", "0", "—", "—", "—", "—"};
        QTest::newRow("limits shown")
            << true
            << QStringList{"№", "Блок", "n", "Min", "Max", "Среднее", "σ", "Допуск", "Вне допуска", "Cpk", "Итог"}
            << QStringList{"1", "1 Шов", "4", "3.20", "11.4", "7.5", "3.8", "[0; 10]", "1 (25.0 %)", "0.22", "вне допуска"}
            << QStringList{"4", "4 HRC", "0", "—", "—", "—", "—", "[0; 10]", "—", "—", "—"};
    }

    void columns()
    {
        QFETCH(bool, limitsShown);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, first);
        QFETCH(QStringList, empty);
        model->setBlocks(sample_blocks());
        set_limits(limitsShown);

        BlockSummaryDialog *dialog = open_summary();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Сводка по блокам"));
        QTableView *table = dialog->findChild<QTableView *>(QStringLiteral("block_summary_table"));
        QCOMPARE(table, dialog->table());
        QCOMPARE(headings(table), titles);
        QCOMPARE(table->model()->rowCount(), 5);
        QCOMPARE(row_texts(table, 0), first);
        QCOMPARE(row_texts(table, 3), empty);
        QCOMPARE(shown_names(table), QStringList({"1 Шов", "2 HRC", "3 HB", "4 HRC", "5 HV"})); // the list's order

        // Ticking the limits while it is open brings the tolerance columns, or takes them.
        model->setLimitsShown(!limitsShown);
        QCOMPARE(table->model()->columnCount(), limitsShown ? 7 : 11);
    }

    // The figures follow the model while the dialog is open: new limits, a new list.
    void followsTheModel()
    {
        model->setBlocks(sample_blocks());
        set_limits(true);
        QTableView *table = open_summary()->table();
        QCOMPARE(table->model()->index(1, 10).data().toString(), QStringLiteral("в допуске"));

        set_limits(true, 0, 9.6);
        QCOMPARE(table->model()->index(1, 8).data().toString(), QStringLiteral("1 (50.0 %)"));
        QCOMPARE(table->model()->index(1, 10).data().toString(), QStringLiteral("вне допуска"));

        model->setBlocks({Block("7 HB", {1, 2, 3})});
        QCOMPARE(shown_names(table), QStringList("7 HB"));

        // Closed, it is brought up to date when opened again.
        open_summary()->close();
        model->setBlocks(sample_blocks());
        QCOMPARE(open_summary()->table()->model()->rowCount(), 5);
    }

    // By the figures, not by their texts: as texts "100" < "11.4" < "9.70".
    void sorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("n ascending") << 2 << int(Qt::AscendingOrder)
                                     << QStringList{"4 HRC", "2 HRC", "3 HB", "1 Шов", "5 HV"};
        QTest::newRow("max ascending") << 4 << int(Qt::AscendingOrder)
                                       << QStringList{"2 HRC", "5 HV", "1 Шов", "3 HB", "4 HRC"};
        QTest::newRow("max descending") << 4 << int(Qt::DescendingOrder)
                                        << QStringList{"4 HRC", "3 HB", "1 Шов", "5 HV", "2 HRC"};
        QTest::newRow("mean ascending") << 5 << int(Qt::AscendingOrder)
                                        << QStringList{"5 HV", "1 Шов", "2 HRC", "3 HB", "4 HRC"};
        QTest::newRow("outside ascending") << 8 << int(Qt::AscendingOrder)
                                           << QStringList{"2 HRC", "1 Шов", "5 HV", "3 HB", "4 HRC"};
        QTest::newRow("cpk ascending") << 9 << int(Qt::AscendingOrder)
                                       << QStringList{"3 HB", "1 Шов", "5 HV", "2 HRC", "4 HRC"};
        QTest::newRow("number descending") << 0 << int(Qt::DescendingOrder)
                                           << QStringList{"5 HV", "4 HRC", "3 HB", "2 HRC", "1 Шов"};
    }

    void sorting()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, names);
        model->setBlocks(sample_blocks());
        set_limits(true);
        QTableView *table = open_summary()->table();
        QVERIFY(table->isSortingEnabled());

        // As the operator does it: a click on the heading, and another for the other way.
        QHeaderView *header = table->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        if (header->sortIndicatorOrder() != Qt::SortOrder(order))
            QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(header->sortIndicatorSection(), column);
        QCOMPARE(shown_names(table), names);
    }

    // A double click on a row asks for its block by its row in the list, a sorted table's too.
    void doubleClickShowsTheBlock_data()
    {
        QTest::addColumn<int>("sortColumn"); // -1: unsorted
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("listRow");
        QTest::newRow("unsorted") << -1 << 2 << 2;
        QTest::newRow("sorted by the mean") << 5 << 0 << 4;
        QTest::newRow("the empty block") << -1 << 3 << 3;
    }

    void doubleClickShowsTheBlock()
    {
        QFETCH(int, sortColumn);
        QFETCH(int, row);
        QFETCH(int, listRow);
        model->setBlocks(sample_blocks());
        QSignalSpy asked(dialog.get(), &BlockSummaryDialog::blockActivated);
        QTableView *table = open_summary()->table();
        if (sortColumn >= 0)
            table->sortByColumn(sortColumn, Qt::AscendingOrder);

        const QRect cell = table->visualRect(table->model()->index(row, 1));
        QVERIFY(!cell.isEmpty());
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());

        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.at(0).at(0).toInt(), listRow);
    }

    void english()
    {
        model->setBlocks(sample_blocks());
        set_limits(true);
        BlockSummaryDialog *dialog = open_summary();
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/ts.qm")));
        qApp->installTranslator(&translator);
        QCoreApplication::processEvents(); // the change of language is posted
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Block summary"));
        QCOMPARE(headings(dialog->table()),
                 QStringList({"No.", "Block", "n", "Min", "Max", "Mean", "σ", "Tolerance", "Out of tolerance", "Cpk",
                              "Verdict"}));
        QCOMPARE(dialog->table()->model()->index(0, 10).data().toString(), QStringLiteral("out of tolerance"));
        QCOMPARE(dialog->table()->model()->index(1, 10).data().toString(), QStringLiteral("within tolerance"));
        QCOMPARE(dialog->findChild<QPushButton *>("summary_export_pdf")->text(), QStringLiteral("Export to PDF"));
        QCOMPARE(dialog->findChild<QPushButton *>("summary_export_excel")->text(), QStringLiteral("Export to Excel"));
        QCOMPARE(dialog->findChild<QPushButton *>("summary_export_csv")->text(), QStringLiteral("Export to CSV"));

        qApp->removeTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Сводка по блокам"));
        QCOMPARE(dialog->table()->model()->index(0, 10).data().toString(), QStringLiteral("вне допуска"));
    }

    // Each button asks for its export; none while a report is written, nor for an empty list.
    void exports()
    {
        model->setBlocks(sample_blocks());
        open_summary();
        const QList<QPushButton *> buttons{dialog->findChild<QPushButton *>("summary_export_pdf"),
                                           dialog->findChild<QPushButton *>("summary_export_excel"),
                                           dialog->findChild<QPushButton *>("summary_export_csv")};
        QSignalSpy pdf(dialog.get(), &BlockSummaryDialog::pdfRequested);
        QSignalSpy excel(dialog.get(), &BlockSummaryDialog::excelRequested);
        QSignalSpy csv(dialog.get(), &BlockSummaryDialog::csvRequested);
        for (QPushButton *button : buttons) {
            QVERIFY(button->isEnabled());
            button->click();
        }
        QCOMPARE(pdf.count() + excel.count() + csv.count(), 3);
        QCOMPARE(pdf.count() * excel.count() * csv.count(), 1);

        dialog->setExportsEnabled(false);
        for (QPushButton *button : buttons)
            QVERIFY(!button->isEnabled());
        dialog->setExportsEnabled(true);
        for (QPushButton *button : buttons)
            QVERIFY(button->isEnabled());

        // Nothing to export from an empty list.
        model->setBlocks({});
        for (QPushButton *button : buttons)
            QVERIFY(!button->isEnabled());
    }
};

QTEST_MAIN(TestBlockSummaryDialog)
#include "tst_blocksummarydialog.moc"
