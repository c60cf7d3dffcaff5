#include <QtTest>

#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cmath>

#include "instrumentemulator.h"
#include "instrumentfixture.h"
#include "mainwindowaccess.h"
#include "modaldriver.h"
#include "plotcapture.h"
#include "settingssandbox.h"
#include "urlcatcher.h"
#include "xlsxreader.h"

namespace {

const QString saveFailureText = QStringLiteral(
    "Не удалось сохранить файл.\nПожалуйста, проверьте права на запись и не открыта ли прошлая версия файла.");

// Puts one block into the list and shows it as a double click would.
void show_block(MainWindow &w, const QString &name, const QVector<float> &values)
{
    MainWindowAccess::measurements(w).setBlocks({{name, values}});
    QListWidget *list = MainWindowAccess::ui(w)->block_names_list;
    list->setCurrentRow(0);
    w.on_block_names_list_itemDoubleClicked(list->item(0));
}

void fill_form(MainWindow &w)
{
    WindowForm *ui = MainWindowAccess::ui(w);
    ui->company_name->setText("ООО Ромашка");
    ui->device_type->setText("ТЭМП-4");
    ui->report_date_edit->setDate(QDate(2026, 12, 8));
    ui->comments_text->setPlainText("строка 1\nстрока 2");
}

// The cells whose text starts with `prefix`.
QStringList cells_starting(const XlsxReadBack &back, const QString &prefix)
{
    QStringList refs;
    const QJsonObject cells = back.json.value("cells").toObject();
    for (auto it = cells.begin(); it != cells.end(); ++it) {
        if (it.value().toObject().value("value").toString().startsWith(prefix))
            refs << it.key();
    }
    return refs;
}

} // namespace

class TestExcelExport : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;
    QTemporaryDir dir;
    UrlCatcher opened;

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.startWithoutPorts());
        QVERIFY(dir.isValid());
        opened.catchFileUrls();
    }

    void init() { opened.urls.clear(); }

    void writesWhatTheWindowShows()
    {
        MainWindow w;
        fill_form(w);
        show_block(w, "7 HRC", {5.0f, 42.26f, 123.4f});
        WindowForm *ui = MainWindowAccess::ui(w);
        const QString path = dir.filePath("window.xlsx");

        w.export_to_excel(path, false);

        MainWindowAccess::finishReport(w);
        QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(path)});
        const XlsxReadBack back = read_xlsx(path);
        QVERIFY2(back.ok, qPrintable(back.error));
        QVERIFY(back.json.value("invalidNumbers").toArray().isEmpty());
        QVERIFY(back.json.value("hiddenValues").toArray().isEmpty());

        QCOMPARE(back.text("A1"), QString("Данные о компании"));
        QCOMPARE(back.text("D2"), QString("ООО Ромашка"));
        QCOMPARE(back.text("D4"), QString("08.12.2026"));
        QCOMPARE(back.text("D6"), QString("ТЭМП-4"));
        QCOMPARE(back.text("A8"), QString("ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ"));
        QCOMPARE(back.text("B9"), QString("HRC"));
        const QStringList rows[] = {{"1", "5.00", "51.9"}, {"2", "42.3", "14.6"}, {"3", "123", "-66.5"}};
        for (int i = 0; i < 3; ++i) {
            const QString row = QString::number(10 + i);
            QCOMPARE(back.value("A" + row).toInt(), rows[i].at(0).toInt());
            QCOMPARE(back.value("B" + row).toDouble(), rows[i].at(1).toDouble());
            QCOMPARE(back.value("C" + row).toDouble(), rows[i].at(2).toDouble());
        }

        QCOMPARE(back.text("H9"), ui->stats_label->text());
        const QVector<QPair<QString, double>> stats = {{ui->min_label->text(), 5.0},
                                                       {ui->max_label->text(), 123.4},
                                                       {ui->mean_label->text(), 56.9},
                                                       {ui->stdev_label->text(), ui->stdev_box->value()}};
        for (int i = 0; i < stats.size(); ++i) {
            const QString row = QString::number(10 + i);
            QCOMPARE(back.text("H" + row), stats.at(i).first);
            QCOMPARE(back.type("I" + row), QString("n"));
            QCOMPARE(back.value("I" + row).toDouble(), stats.at(i).second);
        }

        // Statistics end in 13, the lowest value in 12: comments from row 16.
        QCOMPARE(back.text("A16"), ui->comments_label->text());
        QCOMPARE(back.text("A17"), QString("строка 1\nстрока 2"));
        QVERIFY(back.text("A19").startsWith("Контроль проведён"));
        QVERIFY(back.pictures().isEmpty());
    }

    void unwritableTargetShowsTheBox_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("csv"); // the block through the File menu instead
        QTest::newRow("folder that does not exist") << "missing/report.xlsx" << false;
        QTest::newRow("parent is a file") << "plain-file/report.xlsx" << false;
        QTest::newRow("CSV, folder that does not exist") << "missing/block.csv" << true;
        QTest::newRow("CSV, parent is a file") << "plain-file/block.csv" << true;
    }

    void unwritableTargetShowsTheBox()
    {
        QFETCH(QString, target);
        QFETCH(bool, csv);
        QFile plain(dir.filePath("plain-file"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();

        MainWindow w;
        show_block(w, "7 HRC", {1.0f, 2.0f});
        ModalDriver driver;
        const QString path = dir.filePath(target);
        if (csv) {
            // The whole path typed in, so that the dialog takes a folder it cannot enter.
            driver.then([path](QWidget *dialog) {
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            });
        }
        driver.then(ModalDriver::press(QMessageBox::Ok));
        if (csv)
            MainWindowAccess::ui(w)->action_export_csv->trigger();
        else
            w.export_to_excel(path, false);
        MainWindowAccess::finishReport(w);

        QCOMPARE(driver.seen.size(), csv ? 2 : 1);
        QCOMPARE(driver.unexpected, 0);
        const SeenModal box = driver.seen.last();
        QVERIFY(box.isMessageBox);
        QCOMPARE(box.title, QString("Ошибка"));
        QCOMPARE(box.text, saveFailureText);
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QStringList{"OK"});
        QVERIFY(!box.hasParent);
        QVERIFY(opened.urls.isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void plotsAreCapturedAndGiveBackTheirConstraints()
    {
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        ui->graph->setMinimumSize(200, 150);
        ui->diagram->setMaximumSize(2000, 1500);
        const QSize diagramMinimum = ui->diagram->minimumSize();
        w.resize(1200, 1000);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        show_block(w, "7 HRC", {1.0f, 2.0f, 3.0f});
        ui->report_graph_checkbox->setChecked(true);
        ui->report_diagram_checkbox->setCheckState(Qt::PartiallyChecked); // counts as included
        QTRY_VERIFY(ui->graph->width() > 0);
        const QSize graphSize = ui->graph->size();
        const QSize diagramSize = ui->diagram->size();
        const int dotsPerMetre = capture_plot(ui->graph, QSize(522, 313)).dotsPerMeterX();

        const QString path = dir.filePath("plots.xlsx");
        w.export_to_excel(path, false);
        MainWindowAccess::finishReport(w);
        const XlsxReadBack back = read_xlsx(path);
        QVERIFY2(back.ok, qPrintable(back.error));

        // Three values end in row 12; statistics in H9:I13 make the next free row 14.
        const QJsonArray pictures = back.pictures();
        QCOMPARE(pictures.size(), 2);
        QCOMPARE(pictures.at(0).toObject().value("row").toInt(), 14);
        QCOMPARE(pictures.at(1).toObject().value("row").toInt(), 14 + 17);
        for (const QJsonValue &p : pictures) {
            QCOMPARE(p.toObject().value("col").toInt(), 0);
            QVERIFY(std::abs(p.toObject().value("cx").toDouble() - 522 * 36e6 / dotsPerMetre) <= 1);
            QVERIFY(std::abs(p.toObject().value("cy").toDouble() - 313 * 36e6 / dotsPerMetre) <= 1);
        }
        QCOMPARE(back.text("A50"), ui->comments_label->text());

        QCOMPARE(ui->graph->minimumSize(), QSize(200, 150));
        QCOMPARE(ui->graph->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QCOMPARE(ui->diagram->minimumSize(), diagramMinimum);
        QCOMPARE(ui->diagram->maximumSize(), QSize(2000, 1500));
        QTRY_COMPARE(ui->graph->size(), graphSize);
        QTRY_COMPARE(ui->diagram->size(), diagramSize);
        // Still following the window.
        w.resize(1500, 1100);
        QTRY_VERIFY(ui->graph->width() > graphSize.width());
    }

    void toleranceLine_data()
    {
        QTest::addColumn<bool>("limits");
        QTest::addColumn<bool>("graph");
        QTest::addColumn<bool>("diagram");
        QTest::addColumn<QString>("line"); // empty: no line

        // One picture from anchor 14 takes 17 rows; the line goes below it.
        QTest::newRow("limits with the graph") << true << true << false << "A32";
        QTest::newRow("limits with the diagram") << true << false << true << "A32";
        QTest::newRow("limits without a plot") << true << false << false << "";
        QTest::newRow("graph without limits") << false << true << false << "";
    }

    void toleranceLine()
    {
        QFETCH(bool, limits);
        QFETCH(bool, graph);
        QFETCH(bool, diagram);
        QFETCH(QString, line);

        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        ui->limits_min->setValue(0);
        ui->limits_max->setValue(10);
        emit ui->limits_max->editingFinished();
        ui->set_limits_checkbox->setChecked(limits);
        ui->report_graph_checkbox->setChecked(graph);
        ui->report_diagram_checkbox->setChecked(diagram);
        show_block(w, "7 HRC", {1.0f, 2.0f, 3.0f});
        const QString path = dir.filePath(QString("tolerance-%1.xlsx").arg(QTest::currentDataTag()));
        w.export_to_excel(path, false);
        MainWindowAccess::finishReport(w);
        const XlsxReadBack back = read_xlsx(path);
        QVERIFY2(back.ok, qPrintable(back.error));

        if (line.isEmpty()) {
            QCOMPARE(cells_starting(back, "Допуск"), QStringList());
        } else {
            QCOMPARE(cells_starting(back, "Допуск"), QStringList{line});
            QCOMPARE(back.text(line), QString("Допуск: [0; 10]"));
        }
    }

    void slotAsksAndWrites()
    {
        MainWindow w;
        fill_form(w);
        show_block(w, "7 HRC", {1.0f, 2.0f});
        const QString path = dir.filePath("through-dialogs.xlsx");
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path)).then(ModalDriver::press(QMessageBox::Yes));
        w.on_button_export_to_excel_clicked();
        MainWindowAccess::finishReport(w);

        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.size(), 2);
        QVERIFY(driver.seen.at(0).isFileDialog);
        QCOMPARE(driver.seen.at(0).title, QString("Экспорт в Excel"));
        QVERIFY(driver.seen.at(0).nameFilters.join(' ').contains("(*.xlsx)"));
        QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(path)});
        const XlsxReadBack back = read_xlsx(path);
        QVERIFY2(back.ok, qPrintable(back.error));
        // "Yes": all fifteen entries under three headings.
        QCOMPARE(back.text("A18"), QString("Свидетельство о поверке"));
        QCOMPARE(back.text("A20"), QString("ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ"));
    }

    void cancelledDialogWritesNothing()
    {
        MainWindow w;
        show_block(w, "7 HRC", {1.0f, 2.0f});
        ModalDriver driver;
        driver.then(ModalDriver::cancel());
        w.on_button_export_to_excel_clicked();
        QCOMPARE(driver.seen.size(), 1);
        QCOMPARE(driver.unexpected, 0);
        QVERIFY(opened.urls.isEmpty());
    }

    void blockReadFromTheInstrument_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("Russian") << false;
        QTest::newRow("English") << true;
    }

    void blockReadFromTheInstrument()
    {
        QFETCH(bool, english);
        QVector<float> many;
        for (int i = 0; i < 40; ++i)
            many.append(float(i) / 4);

        InstrumentEmulator emulator;
        emulator.setBlocks({EmulatedBlock::named("1 HB", {1.0f}), EmulatedBlock::named("7 HRC", many)});
        QVERIFY(emulator.openPseudoTerminal());
        MainWindow w;
        fill_form(w);
        WindowForm *ui = MainWindowAccess::ui(w);
        if (english)
            w.on_actionEN_triggered();
        QVERIFY(connectInstrument(w, emulator));
        QTest::mouseClick(ui->button_read_data, Qt::LeftButton);
        QTRY_COMPARE(ui->block_names_list->count(), 2);
        ui->block_names_list->setCurrentRow(1);
        w.on_block_names_list_itemDoubleClicked(ui->block_names_list->item(1));
        QVERIFY(ui->button_export_to_excel->isEnabled());

        const QString path = dir.filePath(QString("instrument-%1.xlsx").arg(QTest::currentDataTag()));
        w.export_to_excel(path, false);
        MainWindowAccess::finishReport(w);
        if (english)
            w.on_actionRU_triggered();
        const XlsxReadBack back = read_xlsx(path);
        QVERIFY2(back.ok, qPrintable(back.error));
        QVERIFY(back.json.value("invalidNumbers").toArray().isEmpty());
        QVERIFY(back.json.value("hiddenValues").toArray().isEmpty());

        QCOMPARE(back.text("A1"), english ? QString("Company information") : QString("Данные о компании"));
        QCOMPARE(back.text("A8"), english ? QString("TEST REPORT") : QString("ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ"));
        QCOMPARE(back.text("A9"), english ? QString("Number") : QString("Номер"));
        QCOMPARE(back.text("B9"), QString("HRC"));
        // 36 values in A to C (rows 10 to 45), the last four in D to F.
        QCOMPARE(back.value("B10").toDouble(), 0.0);
        QCOMPARE(back.cell("B10").value("numberFormat").toString(), QString("0.00"));
        QCOMPARE(back.value("B45").toDouble(), 8.75);
        QCOMPARE(back.value("D13").toInt(), 40);
        QCOMPARE(back.value("E13").toDouble(), 9.75);
        QCOMPARE(QString::number(back.value("F13").toDouble(), 'f', 1),
                 QString::number(ui->mean_box->value() - 9.75, 'f', 1));
        QCOMPARE(back.text("H9"), english ? QString("Data statistics") : QString("Статистика"));
        QCOMPARE(back.value("I11").toDouble(), ui->max_box->value()); // as the box shows it
        QCOMPARE(back.text("A50"),
                 english ? QString("Testing carried out____________________________________,signature")
                         : QString("Контроль проведён____________________________________, подпись"));
    }
};

QTEST_MAIN(TestExcelExport)
#include "tst_excelexport.moc"
