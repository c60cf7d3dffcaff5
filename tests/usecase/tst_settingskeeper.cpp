// config.json and the model's part of it, without the window: the defaults of a first run,
// records that are incomplete or no record at all, the limits as the boxes hold them, and a
// file that cannot be written.
#include <QtTest>

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>
#include <sys/resource.h>

#include "measurementmodel.h"
#include "settingsfile.h"
#include "settingskeeper.h"
#include "settingssandbox.h"

namespace {

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

class TestSettingsKeeper : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;

    // What a run of the program does with the file: loads it into the model, and saves what
    // the model holds at the end over the file as it stands then.
    static SettingsRecord run(MeasurementModel &model)
    {
        SettingsKeeper keeper(model);
        const SettingsRecord loaded = keeper.loadConfig();
        keeper.applyConfig(loaded);
        return loaded;
    }

    static void end(MeasurementModel &model)
    {
        SettingsKeeper keeper(model);
        keeper.saveConfig(keeper.collectConfig(keeper.loadConfig()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.start());
        // Writing past the file size limit must fail the write, not kill the test.
        std::signal(SIGXFSZ, SIG_IGN);
    }

    void init() { SettingsSandbox::clear(); }

    void firstRunWritesDefaults()
    {
        MeasurementModel model;
        const SettingsRecord loaded = run(model);
        QVERIFY(QFile::exists(SettingsSandbox::file()));
        QCOMPARE(loaded, default_settings());
        QCOMPARE(model.limits().min, 0.0);
        QCOMPARE(model.limits().max, 10.0);
        const QByteArray text = SettingsSandbox::bytes();
        QCOMPARE(QStringList(SettingsSandbox::object().keys()).size(), 20);
        // Indented, alphabetical, whole numbers without a decimal point.
        QVERIFY(text.startsWith("{\n    \"app_font_size\": 12,\n    \"app_language\": \"ru\",\n    \"comments\": \"\",\n"));
        QVERIFY(text.contains("\n    \"limits_max_val\": 10,\n    \"limits_min_val\": 0,\n"));
        QVERIFY(text.endsWith("\n}\n"));
    }

    // The model holds them as the boxes would show them, and they are saved so.
    void limitsAreRoundedAndClamped()
    {
        QVERIFY(SettingsSandbox::write(
            R"({"limits_min_val": 2.36, "limits_max_val": 1e7, "unit_limits": {"HV": [-2e7, 45.55]}})"));
        MeasurementModel model;
        run(model);
        QCOMPARE(model.limits().min, 2.4);
        QCOMPARE(model.limits().max, 999999.0);
        QCOMPARE(model.limitsOfUnit(QStringLiteral("HV")).min, -999999.0);
        end(model);
        const QJsonObject saved = SettingsSandbox::object();
        QCOMPARE(saved.value("limits_min_val").toDouble(), 2.4);
        QCOMPARE(saved.value("limits_max_val").toDouble(), 999999.0);
        QCOMPARE(saved.value("unit_limits").toObject().value("HV").toArray().at(0).toDouble(), -999999.0);
        QVERIFY(SettingsSandbox::bytes().contains("\"limits_max_val\": 999999,"));
    }

    // Each unit's pair comes back; the plain keys keep the pair of blocks without a unit.
    void limitsOfEachUnitSurviveRestart()
    {
        const QVector<Block> blocks{{"1 HRC", {45}}, {"2", {1}}};
        {
            MeasurementModel model;
            run(model);
            model.setBlocks(blocks);
            model.showBlock(0);
            model.setLimitValues(44, 46);
            end(model);
        }
        const QJsonObject saved = SettingsSandbox::object();
        QCOMPARE(saved.value("unit_limits").toObject().value("HRC").toArray(), (QJsonArray{44, 46}));
        QCOMPARE(saved.value("limits_max_val").toDouble(), 10.0);
        MeasurementModel model;
        run(model);
        model.setBlocks(blocks);
        model.showBlock(0);
        QCOMPARE(model.limits().max, 46.0);
        model.showBlock(1);
        QCOMPARE(model.limits().max, 10.0);
    }

    // What is not a record, or not a record's type, reads as the field's empty value, and all
    // keys are written back.
    void incompleteOrUnreadableFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("companyName");

        QTest::newRow("only company_name") << QByteArray(R"({"company_name": "Test Company A"})") << "Test Company A";
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
        QVERIFY(SettingsSandbox::write(content));
        MeasurementModel model;
        const SettingsRecord loaded = run(model);
        QCOMPARE(loaded.companyName, companyName);
        QVERIFY(loaded.reportOperator.isEmpty() && loaded.comments.isEmpty());
        QCOMPARE(loaded.appFontSize, 0);
        QVERIFY(imageFromBase64(loaded.logoImage).isNull());
        QCOMPARE(model.limits().min, 0.0);
        QCOMPARE(model.limits().max, 0.0);
        end(model);
        QStringList expectedKeys{"company_name", "company_city", "company_address", "company_phone", "company_website",
                                 "device_name", "device_type", "device_number", "device_document_number",
                                 "report_operator", "report_detail_name", "report_material", "report_batch_number",
                                 "logo_image", "app_font_size", "limits_min_val", "limits_max_val", "unit_limits",
                                 "comments", "app_language"};
        expectedKeys.sort();
        QCOMPARE(SettingsSandbox::object().keys(), expectedKeys);
        QCOMPARE(SettingsSandbox::object().value("company_name").toString(), companyName);
    }

    void unknownKeysSurvive()
    {
        QVERIFY(SettingsSandbox::write(
            R"({"company_city": "City A", "window_state": {"dock": [1, 2, "x"]}, "zz": null})"));
        MeasurementModel model;
        run(model);
        end(model);
        const QJsonObject saved = SettingsSandbox::object();
        QCOMPARE(saved.size(), 22);
        QCOMPARE(saved.value("window_state").toObject(), QJsonObject({{"dock", QJsonArray({1, 2, "x"})}}));
        QVERIFY(saved.contains("zz"));
        QVERIFY(saved.value("zz").isNull());
        QCOMPARE(saved.value("company_city").toString(), QString("City A"));
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

    void failedWriteKeepsPreviousFile()
    {
        QVERIFY(SettingsSandbox::write(R"({"company_name": "Kept", "comments": "old notes"})"));
        const QByteArray before = SettingsSandbox::bytes();
        MeasurementModel model;
        SettingsKeeper keeper(model);
        SettingsRecord record = keeper.loadConfig();
        record.companyName = QStringLiteral("Lost");
        record.comments = QString(100000, QChar('n'));
        {
            // Room for the old file but not for the new one, as on a nearly full disk.
            FileSizeLimit limit(4096);
            QVERIFY(limit.active);
            QVERIFY(!keeper.saveConfig(record));
        }
        QCOMPARE(SettingsSandbox::bytes(), before);
        QCOMPARE(QDir(SettingsSandbox::folder()).entryList(QDir::Files), QStringList{"config.json"});

        // With room again the same run's values do get written.
        record.companyName = QStringLiteral("Written");
        QVERIFY(keeper.saveConfig(record));
        QCOMPARE(SettingsSandbox::object().value("company_name").toString(), QString("Written"));
    }

    void folderInPlaceOfFile()
    {
        QVERIFY(QDir().mkpath(SettingsSandbox::file()));
        MeasurementModel model;
        QCOMPARE(run(model), SettingsRecord());
        QCOMPARE(model.limits().max, 0.0);
        end(model);
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
        const QString again = imageToBase64(image);
        QCOMPARE(again.isEmpty(), !isImage); // no image, no text: not even for a null one
        QVERIFY(!again.contains('\n'));
    }
};

QTEST_MAIN(TestSettingsKeeper)
#include "tst_settingskeeper.moc"
