#include <QtTest>

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

#include <csignal>
#include <sys/resource.h>

#include "mainwindow.h"
#include "mainwindowaccess.h"
#include "settingsfile.h"
#include "settingsrecord.h"
#include "settingssandbox.h"

namespace {

const QStringList kTextKeys = {
    "company_name", "company_city", "company_address", "company_phone", "company_website",
    "device_name", "device_type", "device_number", "device_document_number",
    "report_operator", "report_detail_name", "report_material", "report_batch_number",
};
const QStringList kAllKeys = kTextKeys + QStringList{
    "logo_image", "app_font_size", "limits_min_val", "limits_max_val", "unit_limits", "comments",
    "app_language"};

void writeSettings(const QByteArray &bytes)
{
    QFile file(SettingsSandbox::file());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray settingsBytes()
{
    QFile file(SettingsSandbox::file());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject settingsObject()
{
    return QJsonDocument::fromJson(settingsBytes()).object();
}

QLineEdit *field(MainWindow &w, const QString &name)
{
    return w.findChild<QLineEdit *>(name);
}

QImage sampleLogo()
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int x = 0; x < 40; ++x)
        image.setPixel(x, x / 2, qRgba(200, x * 6, 30, 255));
    return image;
}

// Lowers the largest file this process may write, the way a full disk would stop a write.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
    bool active = false;

private:
    rlimit saved {};
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private:
    SettingsSandbox sandbox;

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.start());
        // Writing past the file size limit must fail the write, not kill the test.
        std::signal(SIGXFSZ, SIG_IGN);
    }

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

    void firstRunWritesDefaults()
    {
        {
            MainWindow w;
            WindowForm *ui = MainWindowAccess::ui(w);
            QVERIFY(QFile::exists(SettingsSandbox::file()));
            QCOMPARE(ui->limits_min->value(), 0.0);
            QCOMPARE(ui->limits_max->value(), 10.0);
            QCOMPARE(w.font().pointSize(), 12);
            QCOMPARE(ui->company_name_label->font().pointSize(), 12);
        }
        const QByteArray text = settingsBytes();
        const QJsonObject saved = settingsObject();
        QCOMPARE(QStringList(saved.keys()).size(), 20);
        for (const QString &key : kTextKeys + QStringList{"logo_image", "comments"}) {
            QVERIFY2(saved.value(key).isString(), qPrintable(key));
            QVERIFY2(saved.value(key).toString().isEmpty(), qPrintable(key));
        }
        // Indented, alphabetical, whole numbers without a decimal point.
        QVERIFY(text.startsWith("{\n    \"app_font_size\": 12,\n    \"app_language\": \"ru\",\n    \"comments\": \"\",\n"));
        QVERIFY(text.contains("\n    \"limits_max_val\": 10,\n    \"limits_min_val\": 0,\n"));
        QVERIFY(text.endsWith("\n}\n"));
    }

    void fontSizeSurvivesRestart()
    {
        {
            MainWindow w;
            MainWindowAccess::ui(w)->action_font_size_increase->trigger();
            MainWindowAccess::ui(w)->action_font_size_increase->trigger();
        }
        QVERIFY(settingsBytes().contains("\"app_font_size\": 14,"));
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
        QCOMPARE(settingsObject().value("app_language").toString(), QString("en"));
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        QCOMPARE(ui->button_read_data->text(), QString("Read data"));
        QVERIFY(ui->actionEN->isChecked() && !ui->actionRU->isChecked());
    }

    // Each unit's pair comes back; the plain keys keep the pair of blocks without a unit.
    void limitsOfEachUnitSurviveRestart()
    {
        const QVector<Block> blocks{{"1 HRC", {45}}, {"2", {1}}};
        {
            MainWindow w;
            MainWindowAccess::measurements(w).setBlocks(blocks);
            MainWindowAccess::measurements(w).showBlock(0);
            MainWindowAccess::measurements(w).setLimitValues(44, 46);
        }
        const QJsonObject saved = settingsObject();
        QCOMPARE(saved.value("unit_limits").toObject().value("HRC").toArray(), (QJsonArray{44, 46}));
        QCOMPARE(saved.value("limits_max_val").toDouble(), 10.0);
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        MainWindowAccess::measurements(w).setBlocks(blocks);
        MainWindowAccess::measurements(w).showBlock(0);
        QCOMPARE(ui->limits_max->value(), 46.0);
        MainWindowAccess::measurements(w).showBlock(1);
        QCOMPARE(ui->limits_max->value(), 10.0);
    }

    void limitsAreRoundedAndClamped()
    {
        writeSettings(R"({"limits_min_val": 2.36, "limits_max_val": 1e7})");
        {
            MainWindow w;
            QCOMPARE(MainWindowAccess::ui(w)->limits_min->value(), 2.4);
            QCOMPARE(MainWindowAccess::ui(w)->limits_max->value(), 999999.0);
        }
        const QJsonObject saved = settingsObject();
        QCOMPARE(saved.value("limits_min_val").toDouble(), 2.4);
        QCOMPARE(saved.value("limits_max_val").toDouble(), 999999.0);
        QVERIFY(settingsBytes().contains("\"limits_max_val\": 999999,"));
    }

    void incompleteOrUnreadableFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("companyName");

        QTest::newRow("only company_name") << QByteArray(R"({"company_name": "Test Company A"})")
                                           << "Test Company A";
        QTest::newRow("top-level array") << QByteArray(R"(["company_name", "x"])") << "";
        QTest::newRow("not JSON") << QByteArray("{\"company_name\": \"cut off") << "";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("wrong types")
            << QByteArray(R"({"company_name": 5, "report_operator": ["a"], "app_font_size": "14",
                              "limits_min_val": "1", "limits_max_val": true, "comments": {},
                              "logo_image": 7})")
            << "";
        QTest::newRow("fractional font size") << QByteArray(R"({"app_font_size": 13.5})") << "";
        QTest::newRow("logo not a PNG") << QByteArray(R"({"logo_image": "bm90IGFuIGltYWdl"})") << "";
    }

    void incompleteOrUnreadableFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, companyName);
        writeSettings(content);

        const int appFontSize = QApplication::font().pointSize();
        {
            MainWindow w;
            WindowForm *ui = MainWindowAccess::ui(w);
            QCOMPARE(field(w, "company_name")->text(), companyName);
            for (const QString &key : kTextKeys.mid(1))
                QVERIFY2(field(w, key)->text().isEmpty(), qPrintable(key));
            QVERIFY(ui->comments_text->toPlainText().isEmpty());
            QVERIFY(MainWindowAccess::logo(w).isNull());
            QCOMPARE(ui->logo_action->text(), QString("Добавить логотип"));
            QCOMPARE(ui->limits_min->value(), 0.0);
            QCOMPARE(ui->limits_max->value(), 0.0);
            // The font stays as the form and the application made it.
            QCOMPARE(w.font().pointSize(), appFontSize);
            QCOMPARE(ui->company_name_label->font().pointSize(), 12);
        }
        const QJsonObject saved = settingsObject();
        QStringList expectedKeys = kAllKeys;
        expectedKeys.sort();
        QCOMPARE(saved.keys(), expectedKeys);
        QCOMPARE(saved.value("company_name").toString(), companyName);
        QCOMPARE(saved.value("logo_image").toString(), QString());
        QCOMPARE(saved.value("app_font_size").toInt(), appFontSize);
        QCOMPARE(saved.value("limits_min_val").toDouble(), 0.0);
        QCOMPARE(saved.value("limits_max_val").toDouble(), 0.0);
    }

    void unknownKeysSurvive()
    {
        writeSettings(R"({"company_city": "City A", "window_state": {"dock": [1, 2, "x"]}, "zz": null})");
        {
            MainWindow w;
            field(w, "company_city")->setText("City B");
        }
        const QJsonObject saved = settingsObject();
        QCOMPARE(saved.size(), 22);
        QCOMPARE(saved.value("window_state").toObject(),
                 QJsonObject({{"dock", QJsonArray({1, 2, "x"})}}));
        QVERIFY(saved.contains("zz"));
        QVERIFY(saved.value("zz").isNull());
        QCOMPARE(saved.value("company_city").toString(), QString("City B"));
    }

    void recordReadsBackAsRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("nested unknown keys") << QByteArray(R"({"a": {"b": [1, {"c": null}]}, "limits_min_val": 2})");
        QTest::newRow("raw NUL in keys") << QByteArray("{\"\0\0a\":1,\"\0\0\0b\":{\"\0\0x\":1,\"\0\0\0y\":2}}", 35);
    }

    void recordReadsBackAsRead()
    {
        QFETCH(QByteArray, content);
        const SettingsRecord record = settings_from_json(content);
        QCOMPARE(settings_from_json(settings_to_json(record)), record);
    }

    void logoIsKeptAndRemoved()
    {
        const QImage logo = sampleLogo();
        {
            MainWindow w;
            MainWindowAccess::logo(w) = logo;
        }
        const QString encoded = settingsObject().value("logo_image").toString();
        QVERIFY(!encoded.isEmpty());
        QVERIFY(!encoded.contains('\n'));
        QVERIFY(QByteArray::fromBase64(encoded.toLatin1()).startsWith("\x89PNG\r\n"));
        {
            MainWindow w;
            QCOMPARE(MainWindowAccess::logo(w).convertToFormat(QImage::Format_ARGB32), logo);
            QCOMPARE(MainWindowAccess::ui(w)->logo_action->text(), QString("Удалить"));
            MainWindowAccess::logo(w) = QImage();
        }
        QCOMPARE(settingsObject().value("logo_image").toString(), QString(""));
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
        QCOMPARE(settingsObject().size(), 20);
    }

    void failedWriteKeepsPreviousFile()
    {
        writeSettings(R"({"company_name": "Kept", "comments": "old notes"})");
        const QByteArray before = settingsBytes();

        auto w = std::make_unique<MainWindow>();
        MainWindowAccess::ui(*w)->company_name->setText("Lost");
        MainWindowAccess::ui(*w)->comments_text->setPlainText(QString(100000, QChar('n')));
        {
            // Room for the old file but not for the new one, as on a nearly full disk.
            FileSizeLimit limit(4096);
            QVERIFY(limit.active);
            w.reset();
        }
        QCOMPARE(settingsBytes(), before);
        QCOMPARE(QDir(SettingsSandbox::folder()).entryList(QDir::Files), QStringList{"config.json"});

        // With room again the same run's values do get written.
        w = std::make_unique<MainWindow>();
        MainWindowAccess::ui(*w)->company_name->setText("Written");
        w.reset();
        QCOMPARE(settingsObject().value("company_name").toString(), QString("Written"));
    }

    void folderInPlaceOfFile()
    {
        QVERIFY(QDir().mkpath(SettingsSandbox::file()));
        {
            MainWindow w;
            QCOMPARE(MainWindowAccess::ui(w)->limits_max->value(), 0.0);
            MainWindowAccess::ui(w)->company_name->setText("nowhere to go");
        }
        QVERIFY(QFileInfo(SettingsSandbox::file()).isDir());
        QCOMPARE(QDir(SettingsSandbox::folder()).entryList(QDir::Files), QStringList());
    }

    void logoEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isImage");

        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        sampleLogo().convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG");

        QTest::newRow("empty") << QString() << false;
        QTest::newRow("PNG") << imageToBase64(sampleLogo()) << true;
        QTest::newRow("JPEG is refused") << QString::fromLatin1(jpeg.toBase64()) << false;
        QTest::newRow("not Base64") << QString("%%%***") << false;
        QTest::newRow("cut PNG") << imageToBase64(sampleLogo()).left(40) << false;
    }

    void logoEncoding()
    {
        QFETCH(QString, text);
        QFETCH(bool, isImage);
        const QImage image = imageFromBase64(text);
        QCOMPARE(!image.isNull(), isImage);
        if (isImage)
            QCOMPARE(image.convertToFormat(QImage::Format_ARGB32), sampleLogo());
    }

    void nullImageEncodesEmpty() { QCOMPARE(imageToBase64(QImage()), QString()); }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
