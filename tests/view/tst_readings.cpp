// Every read kept as a reading file, and a reading opened again without the instrument.
#include <QtTest>

#include <QDir>
#include <QListWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>

#include "instrumentemulator.h"
#include "instrumentfixture.h"
#include "../report/modaldriver.h"
#include "pdftools.h"
#include "blockbits.h"
#include "readingfile.h"
#include "settingssandbox.h"
#include "urlcatcher.h"
#include "valuetable.h"
#include "viewtestwindow.h"
#include "xlsxreader.h"

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();
const float inf = std::numeric_limits<float>::infinity();

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
    WindowForm *ui = MainWindowAccess::ui(w);
    const QStringList table = table_texts(ui->table_block_data);
    return QStringList{w.windowTitle(), list_texts(ui->block_names_list).join('|'),
                       bits(MainWindowAccess::blocks(w)).join('|'), table.join('|'),
                       QString::number(ui->button_export_to_PDF->isEnabled()),
                       QString::number(ui->button_export_to_excel->isEnabled()),
                       QString::number(ui->action_export_csv->isEnabled())};
}

QByteArray written(const QVector<Block> &blocks)
{
    Reading reading;
    reading.readAt = QDateTime::currentDateTime();
    reading.port = QStringLiteral("COM3");
    reading.blocks = blocks;
    return reading_to_json(reading);
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

    // File → Open reading… over a window that shows a block of an earlier read.
    void open_through_the_menu_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<qint64>("size"); // grown to this many bytes, when not 0
        QTest::addColumn<QVector<Block>>("blocks");

        const QVector<Block> blocks{{"Шов", {0.1f, NaN, -inf}}, {"7 HRC", {42.26f}}, {QString(), {}}};
        QTest::newRow("a reading") << written(blocks) << qint64(0) << blocks;
        QTest::newRow("not a reading") << written(blocks).left(60) << qint64(0) << QVector<Block>{};
        QTest::newRow("far too large") << written(blocks) << MaxReadingFileBytes + 1 << QVector<Block>{};
    }

    void open_through_the_menu()
    {
        QFETCH(QByteArray, json);
        QFETCH(qint64, size);
        QFETCH(QVector<Block>, blocks);
        const bool refused = blocks.isEmpty();

        static int count = 0;
        const QString name = QStringLiteral("file-%1.json").arg(++count);
        QFile out(folder + QLatin1Char('/') + name);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(json) == json.size());
        if (size > 0)
            QVERIFY(out.resize(size));
        out.close();

        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        w.setWindowTitle(QStringLiteral("Ormeda"));
        set_blocks(w, {Block("earlier", {1, 2})});
        show_block(w, 0);
        const QStringList before = window_state(w);

        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(out.fileName()));
        if (refused)
            driver.then(ModalDriver::press(QMessageBox::Ok));
        QElapsedTimer clock;
        clock.start();
        ui->action_open_reading->trigger();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.pending(), 0);
        QCOMPARE(driver.seen.at(0).directory, QDir(folder).absolutePath());
        QCOMPARE(driver.seen.at(0).nameFilters, QStringList{"(*.json)"});

        if (refused) {
            const SeenModal box = driver.seen.at(1);
            QCOMPARE(box.text, QString("Не удалось открыть файл показаний."));
            QCOMPARE(box.icon, QMessageBox::Warning);
            QVERIFY(box.hasParent);
            QCOMPARE(window_state(w), before);
            // Refused at once, not after reading it whole.
            QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
            return;
        }
        QCOMPARE(bits(MainWindowAccess::blocks(w)), bits(blocks));
        QStringList names;
        for (const Block &block : blocks)
            names << block.name;
        QCOMPARE(list_texts(ui->block_names_list), names);
        QCOMPARE(ui->block_names_list->currentItem(), nullptr);
        QCOMPARE(w.windowTitle(), QString("Ormeda — ") + name);
        // Nothing of the old list stays on screen, as after a read.
        QCOMPARE(window_state(w).mid(3), (QStringList{"", "0", "0", "0"}));
    }

    void read_reopen_report()
    {
        QDir(folder).removeRecursively();
        const QVector<Block> instrument{{"Шов 2 ёЁ", {0.1f, -0.0f, 1e-45f, FLT_MAX, NaN, inf, -inf}},
                                       {"7 HRC", {5.0f, 42.26f, 123.4f}}};
        QString port;
        {
            InstrumentEmulator emulator;
            emulator.setBlocks({EmulatedBlock::named("Шов №2 ёЁ", instrument.at(0).values),
                                EmulatedBlock::named("7 HRC", instrument.at(1).values)});
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
        WindowForm *ui = MainWindowAccess::ui(w);
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
        QCOMPARE((QList<double>{back.value(xlsx_ref(title + 1, 2)).toDouble(), back.value(xlsx_ref(title + 2, 2)).toDouble(),
                                back.value(xlsx_ref(title + 3, 2)).toDouble()}),
                 (QList<double>{5.0, 42.3, 123.0}));
    }
};

QTEST_MAIN(TestReadings)
#include "tst_readings.moc"
