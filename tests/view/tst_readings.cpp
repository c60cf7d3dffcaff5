// Every read kept as a reading file, and a reading opened again without the instrument.
#include <QtTest>

#include <QDir>
#include <QListWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "instrumentemulator.h"
#include "instrumentfixture.h"
#include "../report/modaldriver.h"
#include "pdftools.h"
#include "readingfile.h"
#include "settingssandbox.h"
#include "urlcatcher.h"
#include "viewtestwindow.h"
#include "xlsxreader.h"

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();
const float inf = std::numeric_limits<float>::infinity();

// Names, and each value as its 32 bits (any NaN as "nan": a file keeps no payload).
QStringList bits(const ReadingBlocks &blocks)
{
    QStringList out;
    for (const auto &block : blocks) {
        QStringList values;
        for (const float v : block.second) {
            quint32 word;
            std::memcpy(&word, &v, sizeof word);
            values << (std::isnan(v) ? QStringLiteral("nan") : QString::number(word, 16));
        }
        out << block.first + QLatin1Char(':') + values.join(QLatin1Char(' '));
    }
    return out;
}

QStringList list_texts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// What opening a file may change.
QStringList window_state(MainWindow &w)
{
    Ui::MainWindow *ui = MainWindowAccess::ui(w);
    QStringList table;
    for (int row = 0; row < ui->table_block_data->rowCount(); ++row)
        table << ui->table_block_data->item(row, 0)->text();
    return QStringList{w.windowTitle(), list_texts(ui->block_names_list).join('|'),
                       bits(MainWindowAccess::blocks(w)).join('|'), table.join('|'),
                       QString::number(ui->button_export_to_PDF->isEnabled()),
                       QString::number(ui->button_export_to_excel->isEnabled()),
                       QString::number(ui->action_export_csv->isEnabled())};
}

QByteArray written(const ReadingBlocks &blocks)
{
    return reading_to_json({QDateTime::currentDateTime(), QStringLiteral("COM3"), blocks});
}

QByteArray file(const char *rest)
{
    return QByteArray(R"({"format": "ormeda-reading", "version": 1, "read_at": "2026-12-08T10:15:00+03:00", )") + rest;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

} // namespace

class TestReadings : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;
    QTemporaryDir reports;
    UrlCatcher viewer;
    QString folder;

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.startWithoutPorts());
        QVERIFY(reports.isValid());
        viewer.catchFileUrls();
        folder = SettingsSandbox::folder() + QStringLiteral("/readings");
        QVERIFY(QDir().mkpath(folder));
    }

    void files_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<ReadingBlocks>("blocks"); // what the file holds when it is a reading
        QTest::addColumn<int>("error");
        const int none = int(ReadingError::None);

        const ReadingBlocks special{{"Шов", {0.1f, -0.0f, 1e-45f, FLT_MAX, -FLT_MAX, -7.899f, 1e10f, NaN, inf, -inf}}};
        QTest::newRow("special values") << written(special) << special << none;
        const ReadingBlocks names{{"Твёрдость ёЁ HRC", {42.26f}},
                                  {QString::fromUtf16(u"AB\u0000\u0000\"\\\n", 7), {1}},
                                  {QString(), {}}};
        QTest::newRow("Cyrillic, control characters, an empty block") << written(names) << names << none;
        const ReadingBlocks full{{"full", QVector<float>(65535, 2.5f)}};
        QTest::newRow("65535 values") << written(full) << full << none;
        QTest::newRow("numbers as others write them")
            << file(R"("port": "", "blocks": [{"values": [1, -0, -0.0, 2.5E+1, 1e-3, "-inf"], "name": "x"}]})")
            << ReadingBlocks{{"x", {1, -0.0f, -0.0f, 25, 0.001f, -inf}}} << none;
        QTest::newRow("no blocks") << file(R"("port": "", "blocks": []})") << ReadingBlocks{} << none;

        const int notJson = int(ReadingError::NotJson);
        QTest::newRow("empty file") << QByteArray("") << ReadingBlocks{} << notJson;
        QTest::newRow("cut short") << written(special).left(120) << ReadingBlocks{} << notJson;
        const int other = int(ReadingError::OtherFormat);
        QTest::newRow("an array") << QByteArray(R"([{"format": "ormeda-reading", "version": 1}])") << ReadingBlocks{}
                                  << other;
        QTest::newRow("another format") << written(special).replace("ormeda-reading", "ormeda-report")
                                        << ReadingBlocks{} << other;
        QTest::newRow("version 2") << written(special).replace("\"version\": 1", "\"version\": 2") << ReadingBlocks{}
                                   << other;
        const int type = int(ReadingError::WrongType);
        QTest::newRow("port missing") << file(R"("blocks": []})") << ReadingBlocks{} << type;
        QTest::newRow("time that is none") << written(special).replace("2026", "20x6").replace("T", "t")
                                           << ReadingBlocks{} << type;
        QTest::newRow("blocks an object") << file(R"("port": "", "blocks": {}})") << ReadingBlocks{} << type;
        QTest::newRow("name a number") << file(R"("port": "", "blocks": [{"name": 1, "values": []}]})")
                                       << ReadingBlocks{} << type;
        const int value = int(ReadingError::BadValue);
        QTest::newRow("number as text") << file(R"("port": "", "blocks": [{"name": "x", "values": ["1.5"]}]})")
                                        << ReadingBlocks{} << value;
        QTest::newRow("null") << file(R"("port": "", "blocks": [{"name": "x", "values": [1, null]}]})")
                              << ReadingBlocks{} << value;
        QTest::newRow("beyond the float") << file(R"("port": "", "blocks": [{"name": "x", "values": [3.5e38]}]})")
                                          << ReadingBlocks{} << value;
        const int many = int(ReadingError::TooMany);
        QTest::newRow("65536 values") << written({{"x", QVector<float>(65536, 1)}}) << ReadingBlocks{} << many;
        QTest::newRow("65536 blocks") << written(ReadingBlocks(65536)) << ReadingBlocks{} << many;
    }

    void files()
    {
        QFETCH(QByteArray, json);
        QFETCH(ReadingBlocks, blocks);
        QFETCH(int, error);

        const ParsedReading parsed = reading_from_json(json);
        QCOMPARE(int(parsed.error), error);
        QCOMPARE(bits(parsed.reading.blocks), bits(blocks));

        // The same file through the menu, over a window that shows a block of an earlier read.
        static int count = 0;
        const QString name = QStringLiteral("file-%1.json").arg(++count);
        QVERIFY(write(folder + QLatin1Char('/') + name, json));
        MainWindow w;
        Ui::MainWindow *ui = MainWindowAccess::ui(w);
        w.setWindowTitle(QStringLiteral("Ormeda"));
        set_blocks(w, {Block("earlier", {1, 2})});
        show_block(w, 0);
        const QStringList before = window_state(w);

        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(folder + QLatin1Char('/') + name));
        if (error != int(ReadingError::None))
            driver.then(ModalDriver::press(QMessageBox::Ok));
        ui->action_open_reading->trigger();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.pending(), 0);
        QCOMPARE(driver.seen.at(0).directory, QDir(folder).absolutePath());
        QCOMPARE(driver.seen.at(0).nameFilters, QStringList{"(*.json)"});

        if (error != int(ReadingError::None)) {
            const SeenModal box = driver.seen.at(1);
            QCOMPARE(box.text, QString("Не удалось открыть файл показаний."));
            QCOMPARE(box.icon, QMessageBox::Warning);
            QVERIFY(box.hasParent);
            QCOMPARE(window_state(w), before);
            return;
        }
        QCOMPARE(bits(MainWindowAccess::blocks(w)), bits(blocks));
        QStringList names;
        for (const auto &block : blocks)
            names << block.first;
        QCOMPARE(list_texts(ui->block_names_list), names);
        QCOMPARE(ui->block_names_list->currentItem(), nullptr);
        QCOMPARE(w.windowTitle(), QString("Ormeda — ") + name);
        // The shown block stays; only the buttons go off, as after a read.
        QCOMPARE(window_state(w).mid(3), (QStringList{"1.00|2.00", "0", "0", "1"}));
    }

    void read_reopen_report()
    {
        QDir(folder).removeRecursively();
        const ReadingBlocks instrument{{"Шов 2 ёЁ", {0.1f, -0.0f, 1e-45f, FLT_MAX, NaN, inf, -inf}},
                                       {"7 HRC", {5.0f, 42.26f, 123.4f}}};
        QString port;
        {
            InstrumentEmulator emulator;
            emulator.setBlocks({EmulatedBlock::named("Шов №2 ёЁ", instrument.at(0).second),
                                EmulatedBlock::named("7 HRC", instrument.at(1).second)});
            QVERIFY(emulator.openPseudoTerminal());
            port = emulator.devicePath();
            MainWindow w;
            QVERIFY(connectInstrument(w, emulator));
            QTest::mouseClick(MainWindowAccess::ui(w)->button_read_data, Qt::LeftButton);
            QCOMPARE(bits(MainWindowAccess::blocks(w)), bits(instrument));
            QCOMPARE(w.statusBar()->currentMessage(), QString());
        }

        const QStringList kept = QDir(folder).entryList(QDir::Files);
        QCOMPARE(kept.size(), 1);
        QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.json$").match(kept.at(0)).hasMatch(),
                 qPrintable(kept.at(0)));
        QFile saved(folder + QLatin1Char('/') + kept.at(0));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const ParsedReading parsed = reading_from_json(saved.readAll());
        QCOMPARE(int(parsed.error), int(ReadingError::None));
        QCOMPARE(bits(parsed.reading.blocks), bits(instrument));
        QVERIFY(!parsed.reading.port.isEmpty());
        QVERIFY2(port.endsWith(QLatin1Char('/') + parsed.reading.port), qPrintable(parsed.reading.port));
        QVERIFY(qAbs(parsed.reading.readAt.secsTo(QDateTime::currentDateTime())) < 60);

        // No instrument any more: the reading opens, a block shows and goes into both reports.
        MainWindow w;
        Ui::MainWindow *ui = MainWindowAccess::ui(w);
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(saved.fileName()));
        ui->action_open_reading->trigger();
        QCOMPARE(driver.unexpected, 0);
        show_block(w, 1);
        QVERIFY(ui->button_export_to_PDF->isEnabled());
        const QString pdf = reports.filePath("reopened.pdf");
        const QString xlsx = reports.filePath("reopened.xlsx");
        w.export_to_pdf(pdf, false);
        w.export_to_excel(xlsx, false);
        MainWindowAccess::finishReport(w);
        QCOMPARE(viewer.urls, (QList<QUrl>{QUrl::fromLocalFile(pdf), QUrl::fromLocalFile(xlsx)}));

        const QList<QStringList> rows = pdf_rows(pdf);
        for (const QStringList &row : {QStringList{"Номер", "HRC", "X\u0305", "-", "x"}, {"1", "5.00", "51.9"},
                                       {"2", "42.3", "14.6"}, {"3", "123", "-66.5"}})
            QVERIFY2(rows.contains(row), qPrintable(row.join(' ')));
        const XlsxReadBack back = read_xlsx(xlsx, true);
        QVERIFY2(back.ok, qPrintable(back.error));
        // The value column under its title, wherever the empty form leaves it.
        int title = 0;
        while (++title < 30 && back.text(xlsx_ref(title, 2)) != QLatin1String("HRC")) {}
        QCOMPARE((QStringList{back.text(xlsx_ref(title + 1, 2)), back.text(xlsx_ref(title + 2, 2)),
                              back.text(xlsx_ref(title + 3, 2))}),
                 (QStringList{"5.00", "42.3", "123"}));
    }
};

QTEST_MAIN(TestReadings)
#include "tst_readings.moc"
