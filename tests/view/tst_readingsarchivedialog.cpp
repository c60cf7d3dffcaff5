// File → Readings archive: the kept readings beside the window, and a block's history.
#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include "atomicwrite.h"
#include "blockhistoryplot.h"
#include "mainwindowaccess.h"
#include "pathlock.h"
#include "../report/modaldriver.h"
#include "readingfile.h"
#include "readingsarchivedialog.h"
#include "settingsfile.h"
#include "settingssandbox.h"

namespace {

QDateTime day(int d)
{
    return QDateTime(QDate(2026, 3, d), QTime(8, 0));
}

void write_reading(const QString &name, const QDateTime &readAt, const QVector<Block> &blocks)
{
    Reading reading;
    reading.readAt = readAt;
    reading.blocks = blocks;
    QVERIFY(write_file_atomically(readingsFolderPath() + '/' + name, reading_to_json(reading)));
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

    QScopedPointer<MainWindow> window;
    WindowForm *ui = nullptr;
    SettingsSandbox sandbox;

    ReadingsArchiveDialog *open_archive()
    {
        ui->action_readings_archive->trigger();
        return window->findChild<ReadingsArchiveDialog *>(QStringLiteral("readings_archive_dialog"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.startWithoutPorts());
        write_reading("a.json", day(1), {Block("ЭТАЛОН 45", {45.1f, 45.3f}), Block("7 HRC", {})});
        write_reading("b.json", day(2), {Block("ЭТАЛОН 45", {44.9f, 45.0f}), Block("ЭТАЛОН 45", {46.5f})});
        QVERIFY(write_file_atomically(readingsFolderPath() + "/broken.json", "[1, 2"));
    }

    void init()
    {
        window.reset(new MainWindow);
        ui = MainWindowAccess::ui(*window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    }

    void cleanup() { window.reset(); }

    void archive()
    {
        QCOMPARE(ui->file_menu->actions().at(1), ui->action_readings_archive);
        QVERIFY(ui->action_readings_archive->isEnabled());
        ReadingsArchiveDialog *dialog = open_archive();
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
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
        QVERIFY(QFile::remove(readingsFolderPath() + "/c.json"));
    }

    // Opening a row is File → Open reading: the blocks listed, or the box of a bad file.
    void openRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("title");
        QTest::newRow("reading") << 1 << QStringList{"ЭТАЛОН 45", "7 HRC"} << "Ormeda — a.json";
        QTest::newRow("no reading") << 2 << QStringList{"1 HB"} << ""; // the title stays
    }

    void openRow()
    {
        QFETCH(int, row);
        QFETCH(QStringList, listed);
        QFETCH(QString, title);
        MainWindowAccess::measurements(*window).setBlocks({Block("1 HB", {1})});
        if (title.isEmpty())
            title = window->windowTitle();
        QTableView *table = open_archive()->archiveTable();
        table->selectRow(row);
        ModalDriver driver;
        if (row == 2)
            driver.then(ModalDriver::press(QMessageBox::Ok));
        window->findChild<QPushButton *>("readings_archive_open")->click();
        QTRY_COMPARE(driver.pending(), 0);
        QCOMPARE(driver.unexpected, 0);
        QStringList names;
        for (const Block &block : MainWindowAccess::blocks(*window))
            names << block.name;
        QCOMPARE(names, listed);
        QCOMPARE(window->windowTitle(), title);
        if (!driver.seen.isEmpty())
            QCOMPARE(driver.seen.constFirst().text, QStringLiteral("Не удалось открыть файл показаний."));
    }

    void history()
    {
        MainWindowAccess::measurements(*window).setBlocks({Block("ЭТАЛОН 45", {45})});
        MainWindowAccess::measurements(*window).showBlock(0);
        ui->set_limits_checkbox->setChecked(true);
        ReadingsArchiveDialog *dialog = open_archive();
        dialog->findChild<QTabWidget *>()->setCurrentWidget(dialog->historyTab());
        auto *names = dialog->findChild<QComboBox *>("block_history_name");
        QCOMPARE(names->currentText(), QStringLiteral("ЭТАЛОН 45"));
        QCOMPARE(names->count(), 2);
        QTableView *table = dialog->historyTable();
        QCOMPARE(table->model()->rowCount(), 3);
        QCOMPARE(table->model()->columnCount(), 8);
        QCOMPARE(dialog->historyPlot()->means()->dataCount(), 3);
        QVERIFY(dialog->historyPlot()->maxLine()->visible());
        ui->set_limits_checkbox->setChecked(false);
        QCOMPARE(table->model()->columnCount(), 6);
        QVERIFY(!dialog->historyPlot()->maxLine()->visible());

        // The second block of b.json: that reading listed and that block shown.
        emit table->doubleClicked(table->model()->index(2, 0));
        QCOMPARE(window->windowTitle(), QStringLiteral("Ormeda — b.json"));
        QCOMPARE(ui->block_names_list->currentRow(), 1);
        QCOMPARE(MainWindowAccess::measurements(*window).shownBlock().values, QVector<float>{46.5f});
    }

    void english()
    {
        ReadingsArchiveDialog *dialog = open_archive();
        dialog->findChild<QTabWidget *>()->setCurrentWidget(dialog->historyTab());
        window->on_actionEN_triggered();
        QTRY_COMPARE(dialog->windowTitle(), QStringLiteral("Readings archive"));
        QCOMPARE(dialog->archiveTable()->model()->index(2, 3).data().toString(), QStringLiteral("unreadable"));
        QCOMPARE(dialog->historyTable()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Date and time of reading"));
        window->on_actionRU_triggered();
    }

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
        const QString path = out.filePath("h.csv");
        ReadingsArchiveDialog *dialog = open_archive();
        dialog->findChild<QTabWidget *>()->setCurrentWidget(dialog->historyTab());
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path));
        if (!writable)
            driver.then(ModalDriver::press(QMessageBox::Ok));
        dialog->findChild<QPushButton *>("block_history_export_csv")->click();
        QTRY_COMPARE(driver.pending(), 0);
        if (!writable)
            unlock_path(out.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(driver.unexpected, 0);
        QVERIFY(QFileInfo(driver.seen.constFirst().selectedFiles.value(0)).fileName().startsWith("История 7 HRC "));
        QCOMPARE(QFileInfo::exists(path), writable);
        if (!writable)
            QCOMPARE(driver.seen.last().title, QStringLiteral("Ошибка"));
        else {
            // The next save opens in the folder chosen last, in a dialog made anew as well.
            window.reset(new MainWindow);
            ui = MainWindowAccess::ui(*window);
            dialog = open_archive();
            dialog->findChild<QTabWidget *>()->setCurrentWidget(dialog->historyTab());
            driver.then([](QWidget *w) { QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection); });
            dialog->findChild<QPushButton *>("block_history_export_csv")->click();
            QTRY_COMPARE(driver.pending(), 0);
            QCOMPARE(driver.seen.last().directory, QFileInfo(out.path()).absoluteFilePath());
        }
    }
};

QTEST_MAIN(TestReadingsArchiveDialog)
#include "tst_readingsarchivedialog.moc"
