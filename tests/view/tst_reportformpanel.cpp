// The report form on its own: its fields as a report and the settings take them, the logo.
#include <QtTest>

#include <QTemporaryDir>
#include <QTranslator>

#include "modaldriver.h"
#include "panelaccess.h"
#include "settingsrecord.h"
#include "ui_reportformpanel.h"

class TestReportFormPanel : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // Each field the settings keep comes back from the one line edit it went into.
    void settingsRoundTrip()
    {
        SettingsRecord in;
        QString SettingsRecord::*const fields[] = {
            &SettingsRecord::companyName, &SettingsRecord::companyCity, &SettingsRecord::companyAddress,
            &SettingsRecord::companyPhone, &SettingsRecord::companyWebsite, &SettingsRecord::deviceName,
            &SettingsRecord::deviceType, &SettingsRecord::deviceNumber, &SettingsRecord::deviceDocumentNumber,
            &SettingsRecord::reportOperator, &SettingsRecord::reportDetailName, &SettingsRecord::reportMaterial,
            &SettingsRecord::reportBatchNumber, &SettingsRecord::comments};
        int i = 0;
        for (const auto field : fields)
            in.*field = QStringLiteral(" поле %1 ").arg(i++);
        ReportFormPanel panel;
        panel.applySettings(in);
        SettingsRecord out;
        panel.collectSettings(out);
        for (const auto field : fields)
            QCOMPARE(out.*field, in.*field);
    }

    void collectEntries()
    {
        ReportFormPanel panel;
        Ui::ReportFormPanel *ui = PanelAccess::ui(panel);
        ui->company_name->setText(QStringLiteral(" ООО Ромашка "));
        ui->device_document_number->setText(QStringLiteral("C-123"));
        ui->report_date_edit->setDate(QDate(2024, 3, 5));

        const ReportData data = panel.formData();
        QCOMPARE(data.entries.size(), 15);
        const QStringList labels = {"Компания", "Город", "Адрес", "Телефон", "Вебсайт", "Номер отчета", "Дата",
                                    "Оператор", "Наименование детали", "Материал", "Номер партии",
                                    "Название прибора", "Тип прибора", "Номер прибора", "Свидетельство о поверке"};
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(data.entries.at(i).label, labels.at(i));
            const QString section = i < 5 ? "Данные о компании" : i < 11 ? "Данные об отчете" : "Данные о приборе";
            QCOMPARE(data.entries.at(i).section, section);
        }
        QCOMPARE(data.entries.at(0).value, QStringLiteral(" ООО Ромашка ")); // not trimmed
        QCOMPARE(data.entries.at(6).value, QStringLiteral("05.03.2024"));
        QCOMPARE(data.entries.at(14).value, QStringLiteral("C-123"));
        QVERIFY(data.entries.at(1).value.isEmpty());
    }

    void collectEntriesInEnglish()
    {
        ReportFormPanel panel;
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/ts.qm")));
        qApp->installTranslator(&translator);
        panel.retranslate();
        const ReportData data = panel.formData();
        qApp->removeTranslator(&translator);

        QCOMPARE(data.entries.at(0).label, QStringLiteral("Company"));
        QCOMPARE(data.entries.at(0).section, QStringLiteral("Company information"));
        QCOMPARE(data.entries.at(14).label, QStringLiteral("Verification certificate number"));
        QCOMPARE(data.entries.at(14).section, QStringLiteral("Device information"));
    }

    void logoCancel()
    {
        ReportFormPanel panel;
        ModalDriver driver;
        driver.then(ModalDriver::cancel());
        panel.addOrRemoveLogo();
        QCOMPARE(driver.seen.size(), 1);
        QVERIFY(driver.seen.at(0).isFileDialog);
        QCOMPARE(driver.seen.at(0).nameFilters, QStringList(QStringLiteral("Images (*.png *.jpg *.jpeg *.bmp)")));
        QVERIFY(panel.logo().isNull());
        QCOMPARE(PanelAccess::ui(panel)->logo_action->text(), QStringLiteral("Добавить логотип"));
    }

    void logoNotAnImage()
    {
        ReportFormPanel panel;
        const QString path = dir.filePath(QStringLiteral("fake.png"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is text, not a picture");
        file.close();

        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path)).then(ModalDriver::press(QMessageBox::Ok));
        panel.addOrRemoveLogo();
        QCOMPARE(driver.seen.size(), 2);
        const SeenModal box = driver.seen.at(1);
        QVERIFY(box.isMessageBox);
        QCOMPARE(box.title, QStringLiteral("Error"));
        QCOMPARE(box.text, QStringLiteral("Failed to load the image."));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QStringList(QStringLiteral("OK")));
        QVERIFY(panel.logo().isNull());
        QCOMPARE(PanelAccess::ui(panel)->logo_action->text(), QStringLiteral("Добавить логотип"));
        QCOMPARE(driver.unexpected, 0);
    }

    void logoLoadShowRemove()
    {
        ReportFormPanel panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        Ui::ReportFormPanel *ui = PanelAccess::ui(panel);
        ui->logotype->setFixedSize(150, 150);

        // A PNG behind a .jpg name: the content decides.
        QImage wide(2000, 500, QImage::Format_RGB32);
        wide.fill(Qt::darkGreen);
        const QString path = dir.filePath(QStringLiteral("wide.jpg"));
        QVERIFY(wide.save(path, "PNG"));

        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path));
        panel.addOrRemoveLogo();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(panel.logo().size(), QSize(2000, 500));
        QCOMPARE(ui->logo_action->text(), QStringLiteral("Удалить"));
        const QPixmap shown = ui->logotype->pixmap(Qt::ReturnByValue);
        QCOMPARE(shown.width(), 150);
        QVERIFY2(shown.height() == 37 || shown.height() == 38, qPrintable(QString::number(shown.height())));

        // A second click removes it at once, without a dialog.
        panel.addOrRemoveLogo();
        QCOMPARE(driver.seen.size(), 1);
        QVERIFY(panel.logo().isNull());
        QVERIFY(ui->logotype->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(ui->logo_action->text(), QStringLiteral("Добавить логотип"));
    }
};

QTEST_MAIN(TestReportFormPanel)
#include "tst_reportformpanel.moc"
