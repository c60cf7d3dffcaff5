// A block read from the emulated instrument, shown by a double click and exported through
// the PDF and the Excel button, read back in Russian and in English; the reports' pictures
// drawn from the block, whatever the plots on screen show.
#include <QtTest>

#include <QListWidget>
#include <QTemporaryDir>

#include <qcustomplot.h>

#include "instrumentemulator.h"
#include "instrumentfixture.h"
#include "mainwindowaccess.h"
#include "modaldriver.h"
#include "pdftools.h"
#include "settingssandbox.h"
#include "urlcatcher.h"
#include "xlsxreader.h"

class TestPdfEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.startWithoutPorts());
        viewer.catchFileUrls();
    }

    void report_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("Russian") << false;
        QTest::newRow("English") << true;
    }

    void report()
    {
        QFETCH(bool, english);
        viewer.urls.clear();
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (english)
            ui->actionEN->trigger();

        InstrumentEmulator emulator;
        emulator.setBlocks({EmulatedBlock::named(QStringLiteral("1 HB"), {200.0f, 210.0f}),
                            EmulatedBlock::named(QStringLiteral("7 HRC"), {5.0f, 42.26f, 123.4f})});
        QVERIFY(emulator.openPseudoTerminal());
        QVERIFY(connectInstrument(w, emulator));
        QTest::mouseClick(ui->button_read_data, Qt::LeftButton);
        QCOMPARE(ui->block_names_list->count(), 2);

        QListWidget *list = ui->block_names_list;
        const QPoint at = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QVERIFY(ui->button_export_to_PDF->isEnabled());

        for (QLineEdit *edit : ui->centralwidget->findChildren<QLineEdit *>())
            edit->clear();
        ui->company_name->setText(QStringLiteral("ООО Ромашка"));
        ui->comments_text->setPlainText(QStringLiteral("Образец 1\nОбразец 2"));
        ui->limits_min->setValue(0.0);
        ui->limits_max->setValue(10.0);
        emit ui->limits_max->editingFinished();
        ui->set_limits_checkbox->setChecked(true);
        ui->report_graph_checkbox->setChecked(true);
        ui->report_diagram_checkbox->setChecked(true);

        const QString path = dir.filePath(english ? QStringLiteral("en.pdf") : QStringLiteral("ru.pdf"));
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path)).then(ModalDriver::press(QMessageBox::No));
        QTest::mouseClick(ui->button_export_to_PDF, Qt::LeftButton);
        MainWindowAccess::finishReport(w);
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.size(), 2);
        QCOMPARE(driver.seen.at(0).title, english ? QStringLiteral("Export to PDF") : QStringLiteral("Экспорт в PDF"));
        QCOMPARE(driver.seen.at(1).text, english ? QStringLiteral("Include empty fields into the report?")
                                                 : QStringLiteral("Включать незаполненные поля в отчет?"));
        QCOMPARE(viewer.urls, QList<QUrl>{QUrl::fromLocalFile(path)});

        const QList<QStringList> rows = pdf_rows(path);
        const QString date = ui->report_date_edit->date().toString(QStringLiteral("dd.MM.yyyy"));
        const QList<QStringList> expected =
            english ? QList<QStringList>{{"Company", "information"},
                                         {"Company", "ООО", "Ромашка"},
                                         {"Report", "details"},
                                         {"Date", date},
                                         {"Test", "report"},
                                         {"Number", "HRC", "X\u0305", "-", "x"},
                                         {"1", "5.00", "51.9"},
                                         {"2", "42.3", "14.6"},
                                         {"3", "123", "-66.5"},
                                         {"Data", "statistics"},
                                         {"Mean", "56.9"},
                                         {"σ", "60.5"},
                                         {"Max", "123.4"},
                                         {"Min", "5.0"},
                                         {"Tolerance:", "[0;", "10]"},
                                         {"Notes"},
                                         {"Образец", "1"},
                                         {"Образец", "2"}}
                    : QList<QStringList>{{"Данные", "о", "компании"},
                                         {"Компания", "ООО", "Ромашка"},
                                         {"Данные", "об", "отчете"},
                                         {"Дата", date},
                                         {"Отчет", "о", "проведении", "контроля"},
                                         {"Номер", "HRC", "X\u0305", "-", "x"},
                                         {"1", "5.00", "51.9"},
                                         {"2", "42.3", "14.6"},
                                         {"3", "123", "-66.5"},
                                         {"Статистика"},
                                         {"Среднее", "56.9"},
                                         {"σ", "60.5"},
                                         {"Max", "123.4"},
                                         {"Min", "5.0"},
                                         {"Допуск:", "[0;", "10]"},
                                         {"Комментарии"},
                                         {"Образец", "1"},
                                         {"Образец", "2"}};
        QCOMPARE(rows.mid(0, expected.size()), expected);
        const QString signature =
            english ? QStringLiteral("Testing carried out") + QString(32, QLatin1Char('_')) + QStringLiteral(",signature")
                    : QStringLiteral("Контроль проведён") + QString(44, QLatin1Char('_')) + QStringLiteral(", подпись");
        QCOMPARE(rows.value(expected.size()), words(signature));
        QCOMPARE(pdf_pictures(path).count(QStringLiteral("600x400")), 2);
        QCOMPARE(rows.size(), expected.size() + 1); // nothing else, no device section

        // The same block's workbook through its button.
        const QString xlsx = dir.filePath(english ? QStringLiteral("en.xlsx") : QStringLiteral("ru.xlsx"));
        driver.then(ModalDriver::chooseFile(xlsx)).then(ModalDriver::press(QMessageBox::Yes));
        QTest::mouseClick(ui->button_export_to_excel, Qt::LeftButton);
        MainWindowAccess::finishReport(w);
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.at(2).title, english ? QStringLiteral("Export to Excel") : QStringLiteral("Экспорт в Excel"));
        QCOMPARE(viewer.urls.last(), QUrl::fromLocalFile(xlsx));
        const XlsxReadBack back = read_xlsx(xlsx);
        QVERIFY2(back.ok, qPrintable(back.error));
        QVERIFY(back.json.value("invalidNumbers").toArray().isEmpty());
        QCOMPARE(back.text("A1"), english ? QString("Company information") : QString("Данные о компании"));
        // "Yes": all fifteen entries under three headings, then the title.
        QCOMPARE(back.text("A20"), english ? QString("TEST REPORT") : QString("ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ"));
        QCOMPARE(back.text("B21"), QString("HRC"));
        QCOMPARE(back.value("B22").toDouble(), 5.0);
        QCOMPARE(back.text("H21"), english ? QString("Data statistics") : QString("Статистика"));
        QCOMPARE(back.value("I23").toDouble(), ui->max_box->value()); // as the box shows it
    }

    // The pictures show the whole block, whatever the plots on screen are zoomed to, and an
    // export leaves those plots as they were: their constraints, and following the window.
    void picturesOfTheBlockNotOfTheScreen()
    {
        viewer.urls.clear();
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(1300, 1000);
        QVector<float> values;
        for (int i = 0; i < 40; ++i)
            values << float(i % 9);
        MainWindowAccess::measurements(w).setBlocks({{QStringLiteral("1 HV"), values}});
        emit ui->block_names_list->itemDoubleClicked(ui->block_names_list->item(0));
        ui->set_limits_checkbox->setChecked(true);
        ui->report_graph_checkbox->setChecked(true);
        ui->report_diagram_checkbox->setChecked(true);
        ui->graph->setMinimumSize(120, 90); // a constraint of the plot's own
        const QSize diagramMinimum = ui->diagram->minimumSize();

        const auto export_pdf = [&](const QString &name) {
            const QString path = dir.filePath(name);
            ModalDriver driver;
            driver.then(ModalDriver::chooseFile(path)).then(ModalDriver::press(QMessageBox::No));
            QTest::mouseClick(ui->button_export_to_PDF, Qt::LeftButton);
            MainWindowAccess::finishReport(w);
            return path;
        };
        const QString whole = export_pdf(QStringLiteral("whole.pdf"));
        QTest::qWait(50);
        const QSize graphBefore = ui->graph->size();
        ui->graph->xAxis->setRange(2, 7);
        ui->diagram->xAxis->moveRange(1.5);
        const QString zoomed = export_pdf(QStringLiteral("zoomed.pdf"));
        QCOMPARE(viewer.urls, (QList<QUrl>{QUrl::fromLocalFile(whole), QUrl::fromLocalFile(zoomed)}));
        QCOMPARE(pdf_pictures(zoomed), QStringList({"600x400", "600x400"}));
        const QString prefix = dir.filePath(QStringLiteral("zoom"));
        QCOMPARE(QProcess::execute(QStringLiteral("pdfimages"), {QStringLiteral("-png"), whole, prefix + "a"}), 0);
        QCOMPARE(QProcess::execute(QStringLiteral("pdfimages"), {QStringLiteral("-png"), zoomed, prefix + "b"}), 0);
        for (const QString &picture : {QStringLiteral("-000.png"), QStringLiteral("-001.png")})
            QVERIFY(QImage(prefix + "a" + picture) == QImage(prefix + "b" + picture));

        QCOMPARE(ui->graph->minimumSize(), QSize(120, 90));
        QCOMPARE(ui->graph->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QCOMPARE(ui->diagram->minimumSize(), diagramMinimum);
        QCOMPARE(ui->graph->size(), graphBefore);
        w.resize(1500, 1300);
        QTRY_VERIFY(ui->graph->height() > graphBefore.height());

        // A double click on a plot shows the whole block there again.
        QTest::mouseDClick(ui->diagram, Qt::LeftButton, {}, ui->diagram->rect().center());
        QCOMPARE(ui->graph->xAxis->range().lower, 0.0);
        QCOMPARE(ui->graph->xAxis->range().upper, 41.0);
    }

private:
    SettingsSandbox sandbox;
    QTemporaryDir dir;
    UrlCatcher viewer;
};

QTEST_MAIN(TestPdfEndToEnd)
#include "tst_pdf_endtoend.moc"
