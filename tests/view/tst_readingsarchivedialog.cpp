// File → Readings archive: the kept readings of a folder, and a block's history, over the model.
#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTranslator>

#include "atomicwrite.h"
#include "blockhistoryplot.h"
#include "measurementmodel.h"
#include "modaldriver.h"
#include "pathlock.h"
#include "readingfile.h"
#include "readingsarchivedialog.h"

namespace {

QDateTime day(int d)
{
    return QDateTime(QDate(2026, 3, d), QTime(8, 0));
}

QStringList column(const QTableView *table, int c)
{
    QStringList texts;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        texts << table->model()->index(row, c).data().toString();
    return texts;
}

} // namespace

class TestReadingsArchiveDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<MeasurementModel> model;
    std::unique_ptr<ReadingsArchiveDialog> dialog;

    QString path(const QString &name) const { return folder.filePath(name); }

    void write_reading(const QString &name, const QDateTime &readAt, const QVector<Block> &blocks)
    {
        Reading reading;
        reading.readAt = readAt;
        reading.blocks = blocks;
        QVERIFY(write_file_atomically(path(name), reading_to_json(reading)));
    }

    void show_history()
    {
        dialog->openArchive();
        dialog->findChild<QTabWidget *>()->setCurrentWidget(dialog->historyTab());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        write_reading("a.json", day(1), {Block("ЭТАЛОН 45", {45.1f, 45.3f}), Block("7 HRC", {})});
        write_reading("b.json", day(2), {Block("ЭТАЛОН 45", {44.9f, 45.0f}), Block("ЭТАЛОН 45", {46.5f})});
        QVERIFY(write_file_atomically(path("broken.json"), "[1, 2"));
    }

    void init()
    {
        model = std::make_unique<MeasurementModel>();
        dialog = std::make_unique<ReadingsArchiveDialog>(*model, folder.path());
    }

    void cleanup()
    {
        dialog.reset();
        model.reset();
    }

    void archive()
    {
        dialog->openArchive();
        QVERIFY(dialog->isVisible() && !dialog->isModal());
        QTableView *table = dialog->archiveTable();
        QCOMPARE(column(table, 0), QStringList({reading_time_text(day(2)), reading_time_text(day(1)), "broken.json"}));
        QCOMPARE(column(table, 3), QStringList({"ЭТАЛОН 45, ЭТАЛОН 45", "ЭТАЛОН 45, 7 HRC", "не читается"}));
        QCOMPARE(table->model()->index(2, 3).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::gray));

        dialog->findChild<QLineEdit *>("readings_archive_filter")->setText("hrc");
        QCOMPARE(column(table, 2), QStringList("2"));

        // A reading added while it is open comes with a refresh.
        write_reading("c.json", day(3), {Block("1 HB", {1})});
        dialog->findChild<QLineEdit *>("readings_archive_filter")->clear();
        dialog->findChild<QPushButton *>("readings_archive_refresh")->click();
        QCOMPARE(table->model()->rowCount(), 4);
        QVERIFY(QFile::remove(path("c.json")));
    }

    // Opening a row asks the window to list that file, a reading or not.
    void openRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("file");
        QTest::newRow("reading") << 1 << "a.json";
        QTest::newRow("no reading") << 2 << "broken.json";
    }

    void openRow()
    {
        QFETCH(int, row);
        QFETCH(QString, file);
        dialog->openArchive();
        QSignalSpy asked(dialog.get(), &ReadingsArchiveDialog::readingRequested);
        dialog->archiveTable()->selectRow(row);
        dialog->findChild<QPushButton *>("readings_archive_open")->click();
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.at(0).at(0).toString(), path(file));
        QCOMPARE(asked.at(0).at(1).toInt(), -1);
    }

    // The shown block's name chosen; its figures against the limits while they are shown; a
    // double click on a row asks for that reading with that block.
    void history()
    {
        model->setBlocks({Block("ЭТАЛОН 45", {45})});
        model->showBlock(0);
        model->setLimitsShown(true);
        show_history();
        auto *names = dialog->findChild<QComboBox *>("block_history_name");
        QCOMPARE(names->currentText(), QStringLiteral("ЭТАЛОН 45"));
        QCOMPARE(names->count(), 2);
        QTableView *table = dialog->historyTable();
        QCOMPARE(table->model()->rowCount(), 3);
        QCOMPARE(table->model()->columnCount(), 8);
        QCOMPARE(dialog->historyPlot()->means()->dataCount(), 3);
        QVERIFY(dialog->historyPlot()->maxLine()->visible());
        model->setLimitsShown(false);
        QCOMPARE(table->model()->columnCount(), 6);
        QVERIFY(!dialog->historyPlot()->maxLine()->visible());

        // The second block of b.json.
        QSignalSpy asked(dialog.get(), &ReadingsArchiveDialog::readingRequested);
        emit table->doubleClicked(table->model()->index(2, 0));
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.at(0).at(0).toString(), path("b.json"));
        QCOMPARE(asked.at(0).at(1).toInt(), 1);
    }

    void english()
    {
        show_history();
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/ts.qm")));
        qApp->installTranslator(&translator);
        QTRY_COMPARE(dialog->windowTitle(), QStringLiteral("Readings archive"));
        QCOMPARE(dialog->archiveTable()->model()->index(2, 3).data().toString(), QStringLiteral("unreadable"));
        QCOMPARE(dialog->historyTable()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Date and time of reading"));
        qApp->removeTranslator(&translator);
    }

    // Proposed in the folder it is given, under the block's name; the file chosen is told, and
    // a file that cannot be written too.
    void exportCsv_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("written") << true;
        QTest::newRow("folder refusing files") << false;
    }

    void exportCsv()
    {
        QFETCH(bool, writable);
        QTemporaryDir out;
        // The file dialog takes no missing folder: a folder that refuses new files.
        if (!writable && !lock_path(out.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner))
            QSKIP("cannot make a folder without write access here");
        const QString file = out.filePath("h.csv");
        QStringList chosen;
        int failures = 0;
        dialog->setExportPlace([&out] { return out.path() + QLatin1Char('/'); },
                               [&chosen](const QString &path) { chosen << path; }, [&failures] { ++failures; });
        show_history();
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(file));
        dialog->findChild<QPushButton *>("block_history_export_csv")->click();
        QTRY_COMPARE(driver.pending(), 0);
        if (!writable)
            unlock_path(out.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.constFirst().directory, QFileInfo(out.path()).absoluteFilePath());
        QVERIFY(QFileInfo(driver.seen.constFirst().selectedFiles.value(0)).fileName().startsWith("История 7 HRC "));
        QCOMPARE(chosen, QStringList(file));
        QCOMPARE(QFileInfo::exists(file), writable);
        QCOMPARE(failures, writable ? 0 : 1);
    }
};

QTEST_MAIN(TestReadingsArchiveDialog)
#include "tst_readingsarchivedialog.moc"
