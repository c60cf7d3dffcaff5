// A block read from the emulated instrument, shown by a double click and
// exported through the PDF button, read back in Russian and in English.
#include <QtTest>

#include <QListWidget>
#include <QTemporaryDir>

#include "instrumentemulator.h"
#include "instrumentfixture.h"
#include "mainwindowaccess.h"
#include "modaldriver.h"
#include "pdftools.h"
#include "settingssandbox.h"
#include "urlcatcher.h"

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
            w.on_actionEN_triggered();

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
    }

private:
    SettingsSandbox sandbox;
    QTemporaryDir dir;
    UrlCatcher viewer;
};

QTEST_MAIN(TestPdfEndToEnd)
#include "tst_pdf_endtoend.moc"
