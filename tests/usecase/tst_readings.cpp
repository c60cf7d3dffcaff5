// Every read that lists a block kept as a reading file, and a reading file listed again.
#include <QtTest>

#include <QDir>
#include <QElapsedTimer>

#include <cfloat>
#include <limits>

#include "blockbits.h"
#include "measurementmodel.h"
#include "pathlock.h"
#include "readingfile.h"
#include "readings.h"
#include "settingsfile.h"
#include "settingssandbox.h"

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();
const float inf = std::numeric_limits<float>::infinity();

} // namespace

class TestReadings : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;
    QString folder;

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.start());
        folder = readings_folder_path();
        QVERIFY(folder.startsWith(SettingsSandbox::folder()));
    }

    void init() { QVERIFY(QDir(folder).removeRecursively() && QDir().mkpath(folder)); }

    // Named after the time of the read, bit for bit what was read, with the port it came by;
    // an empty list keeps nothing; a folder that takes no file is told.
    void keep()
    {
        MeasurementModel model;
        Readings readings(model);
        QCOMPARE(readings.keep_reading(QStringLiteral("ttyUSB0")), Readings::Kept::Nothing);
        QVERIFY(QDir(folder).isEmpty());

        const QVector<Block> read{{"Шов 2 ёЁ", {0.1f, -0.0f, 1e-45f, FLT_MAX, NaN, inf, -inf}}, {"7 HRC", {}}};
        model.setBlocks(read);
        QCOMPARE(readings.keep_reading(QStringLiteral("ttyUSB0")), Readings::Kept::Written);
        const QStringList kept = QDir(folder).entryList(QDir::Files);
        QCOMPARE(kept.size(), 1);
        QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.json$").match(kept.at(0)).hasMatch(),
                 qPrintable(kept.at(0)));
        QFile saved(folder + QLatin1Char('/') + kept.at(0));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const ParsedReading parsed = reading_from_json(saved.readAll());
        QCOMPARE(int(parsed.error), int(ReadingError::None));
        QCOMPARE(bits(parsed.reading.blocks), bits(read));
        QCOMPARE(parsed.reading.port, QStringLiteral("ttyUSB0"));
        QVERIFY(qAbs(parsed.reading.readAt.secsTo(QDateTime::currentDateTime())) < 60);

        // A second read in the same second gets a name of its own.
        QCOMPARE(readings.keep_reading(QStringLiteral("ttyUSB0")), Readings::Kept::Written);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);

        if (!lock_path(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner))
            QSKIP("cannot make a folder without write access here");
        const Readings::Kept refused = readings.keep_reading(QStringLiteral("ttyUSB0"));
        unlock_path(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(refused, Readings::Kept::Failed);
    }

    void open_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<qint64>("size"); // grown to this many bytes, when not 0
        QTest::addColumn<QVector<Block>>("blocks");

        const QVector<Block> blocks{{"Шов", {0.1f, NaN, -inf}}, {"7 HRC", {42.26f}}, {QString(), {}}};
        QTest::newRow("a reading") << written(blocks) << qint64(0) << blocks;
        QTest::newRow("not a reading") << written(blocks).left(60) << qint64(0) << QVector<Block>{};
        QTest::newRow("far too large") << written(blocks) << MaxReadingFileBytes + 1 << QVector<Block>{};
    }

    // Listed as a read lists them, nothing shown yet; a file that is no reading changes
    // nothing, and is refused at once, not after reading it whole.
    void open()
    {
        QFETCH(QByteArray, json);
        QFETCH(qint64, size);
        QFETCH(QVector<Block>, blocks);
        QFile out(folder + QStringLiteral("/reading.json"));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(json) == json.size());
        if (size > 0)
            QVERIFY(out.resize(size));
        out.close();

        MeasurementModel model;
        model.setBlocks({Block("earlier", {1, 2})});
        model.showBlock(0);
        QSignalSpy listed(&model, &MeasurementModel::blocksChanged);
        Readings readings(model);
        QElapsedTimer clock;
        clock.start();
        const bool opened = readings.open_reading(out.fileName());
        QCOMPARE(opened, !blocks.isEmpty());
        if (!opened) {
            QCOMPARE(listed.count(), 0);
            QCOMPARE(model.shownBlock().name, QStringLiteral("earlier"));
            QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
            return;
        }
        QCOMPARE(listed.count(), 1);
        QCOMPARE(bits(model.blocks()), bits(blocks));
        QVERIFY(!model.hasShownBlock());
    }
};

QTEST_MAIN(TestReadings)
#include "tst_readings.moc"
