// What the window shows of config.json at start-up and keeps in it at exit; the file itself,
// and the limits the model holds from it, are tst_settingskeeper's.
#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>

#include "mainwindow.h"
#include "mainwindowaccess.h"
#include "settingssandbox.h"

namespace {

const QStringList kTextKeys = {
    "company_name", "company_city", "company_address", "company_phone", "company_website",
    "device_name", "device_type", "device_number", "device_document_number",
    "report_operator", "report_detail_name", "report_material", "report_batch_number",
};

QLineEdit *field(MainWindow &w, const QString &name)
{
    return w.findChild<QLineEdit *>(name);
}

// Half of it transparent: what the file keeps is the image, not a picture of it.
QImage sampleLogo()
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(qRgba(200, 90, 30, 255));
    for (int y = 0; y < 10; ++y)
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(y)), 40, qRgba(0, 0, 0, 0));
    return image;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private:
    SettingsSandbox sandbox;

private slots:
    void initTestCase() { QVERIFY(sandbox.start()); }

    void init() { SettingsSandbox::clear(); }

    void reportCheckBoxNotKept()
    {
        {
            MainWindow w;
            MainWindowAccess::ui(w)->report_tolerance_checkbox->setChecked(true);
        } // saves the settings
        MainWindow w;
        QVERIFY(!MainWindowAccess::ui(w)->report_tolerance_checkbox->isChecked());
    }

    // The fields, the logo, the limits' boxes and the fonts as the file leaves them.
    void startsFromTheFile_data()
    {
        QTest::addColumn<QByteArray>("content"); // "none": no file
        QTest::addColumn<QString>("companyName");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<int>("fontSize"); // 0: as the form and the application make it

        QTest::newRow("first run") << QByteArray("none") << "" << 0.0 << 10.0 << 12;
        QTest::newRow("limits held as the boxes hold them")
            << QByteArray(R"({"limits_min_val": 2.36, "limits_max_val": 1e7})") << "" << 2.4 << 999999.0 << 0;
        QTest::newRow("only company_name") << QByteArray(R"({"company_name": "Test Company A"})") << "Test Company A"
                                           << 0.0 << 0.0 << 0;
        QTest::newRow("not JSON") << QByteArray("{\"company_name\": \"cut off") << "" << 0.0 << 0.0 << 0;
    }

    void startsFromTheFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, companyName);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(int, fontSize);
        if (content != "none")
            QVERIFY(SettingsSandbox::write(content));
        const int appFontSize = QApplication::font().pointSize();
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        QCOMPARE(field(w, "company_name")->text(), companyName);
        for (const QString &key : kTextKeys.mid(1))
            QVERIFY2(field(w, key)->text().isEmpty(), qPrintable(key));
        QVERIFY(ui->comments_text->toPlainText().isEmpty());
        QVERIFY(MainWindowAccess::logo(w).isNull());
        QCOMPARE(ui->logo_action->text(), QString("Добавить логотип"));
        QCOMPARE(ui->limits_min->value(), min);
        QCOMPARE(ui->limits_max->value(), max);
        QCOMPARE(w.font().pointSize(), fontSize ? fontSize : appFontSize);
        QCOMPARE(ui->company_name_label->font().pointSize(), 12);
    }

    void fontSizeSurvivesRestart()
    {
        {
            MainWindow w;
            MainWindowAccess::ui(w)->action_font_size_increase->trigger();
            MainWindowAccess::ui(w)->action_font_size_increase->trigger();
        }
        QVERIFY(SettingsSandbox::bytes().contains("\"app_font_size\": 14,"));
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        QCOMPARE(w.font().pointSize(), 14);
        QCOMPARE(ui->company_name->font().pointSize(), 14);
        QCOMPARE(ui->company_data_label->font().pointSize(), 14);
        QVERIFY(ui->company_data_label->font().bold());
    }

    void languageSurvivesQuitAndRestart()
    {
        {
            MainWindow w;
            w.show();
            MainWindowAccess::ui(w)->actionEN->trigger();
            MainWindowAccess::ui(w)->action_quit->trigger();
            QVERIFY(!w.isVisible());
        }
        QCOMPARE(SettingsSandbox::object().value("app_language").toString(), QString("en"));
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        QCOMPARE(ui->button_read_data->text(), QString("Read data"));
        QVERIFY(ui->actionEN->isChecked() && !ui->actionRU->isChecked());
    }

    void logoIsKeptAndRemoved()
    {
        const QImage logo = sampleLogo();
        {
            MainWindow w;
            MainWindowAccess::logo(w) = logo;
        }
        const QString encoded = SettingsSandbox::object().value("logo_image").toString();
        QVERIFY(!encoded.isEmpty());
        QVERIFY(!encoded.contains('\n'));
        QVERIFY(QByteArray::fromBase64(encoded.toLatin1()).startsWith("\x89PNG\r\n"));
        {
            MainWindow w;
            QCOMPARE(MainWindowAccess::logo(w).convertToFormat(QImage::Format_ARGB32), logo);
            QCOMPARE(MainWindowAccess::ui(w)->logo_action->text(), QString("Удалить"));
            MainWindowAccess::logo(w) = QImage();
        }
        QCOMPARE(SettingsSandbox::object().value("logo_image").toString(), QString(""));
        MainWindow w;
        QVERIFY(MainWindowAccess::logo(w).isNull());
    }

    void reportNumberAndDateAreNotKept()
    {
        {
            MainWindow w;
            MainWindowAccess::ui(w)->report_number->setText("17");
            MainWindowAccess::ui(w)->report_date_edit->setDate(QDate(2001, 2, 3));
            MainWindowAccess::ui(w)->report_operator->setText("Operator 1");
        }
        MainWindow w;
        QVERIFY(MainWindowAccess::ui(w)->report_number->text().isEmpty());
        QCOMPARE(MainWindowAccess::ui(w)->report_date_edit->date(), QDate::currentDate());
        QCOMPARE(MainWindowAccess::ui(w)->report_operator->text(), QString("Operator 1"));
        QCOMPARE(SettingsSandbox::object().size(), 20);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
