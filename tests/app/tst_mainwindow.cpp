// The window as its operator meets it: what it is at the start, how its panels, menus, link,
// dialogs and exports are wired, and a report written beside it.
#include <QtTest>

#include <QClipboard>
#include <QGuiApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

#include <memory>

#include "../view/viewtestwindow.h"
#include "blocksummarydialog.h"
#include "csvtable.h"
#include "fontsize.h"
#include "modaldriver.h"
#include "pathlock.h"
#include "pdftools.h"
#include "qcustomplot.h"
#include "readingfile.h"
#include "readingsarchivedialog.h"
#include "settingssandbox.h"
#include "urlcatcher.h"
#include "valuetable.h"

namespace {

// Names every place whose font is not at pointSize; empty when all are.
QStringList offSize(MainWindow &w, int pointSize)
{
    QStringList wrong;
    auto check = [&](const QString &what, const QFont &font) {
        if (font.pointSize() != pointSize)
            wrong << QStringLiteral("%1 (%2)").arg(what).arg(font.pointSize());
    };
    check("application", QApplication::font());
    check("window", w.font());
    const QList<QWidget *> widgets = w.findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        check(QString::fromLatin1(widget->metaObject()->className()) + ' ' + widget->objectName(),
              widget->font());
    const QList<QMenu *> menus = w.findChildren<QMenu *>();
    for (QMenu *menu : menus) {
        const QList<QAction *> actions = menu->actions();
        for (QAction *action : actions)
            check("action " + action->text(), action->font());
    }
    const QList<QCustomPlot *> plots = w.findChildren<QCustomPlot *>();
    for (QCustomPlot *plot : plots) {
        for (QCPAxis *axis : {plot->xAxis, plot->yAxis, plot->xAxis2, plot->yAxis2}) {
            const QString name = plot->objectName() + " axis " + QString::number(axis->axisType());
            check(name + " ticks", axis->tickLabelFont());
            check(name + " label", axis->labelFont());
        }
    }
    return wrong;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;
    QTemporaryDir dir;
    UrlCatcher viewer;
    std::unique_ptr<MainWindow> w;
    WindowForm *ui = nullptr;

    void open_window()
    {
        w = std::make_unique<MainWindow>();
        ui = MainWindowAccess::ui(*w);
    }

    // Long enough that writing its report outlasts the checks made meanwhile.
    void show_long_block()
    {
        QVector<float> values;
        for (int i = 0; i < 5000; ++i)
            values << float(i % 300);
        set_blocks(*w, {Block(QStringLiteral("1 HV"), values)});
        show_block(*w, 0);
    }

    // A reading file of these blocks in the readings folder.
    static QString reading_file(const QString &name, const QVector<Block> &blocks)
    {
        Reading reading;
        reading.readAt = QDateTime::currentDateTime();
        reading.blocks = blocks;
        const QString folder = SettingsSandbox::folder() + QStringLiteral("/readings");
        QDir().mkpath(folder);
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(reading_to_json(reading));
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.startWithoutPorts());
        QVERIFY(dir.isValid());
        viewer.catchFileUrls();
    }

    void init() { viewer.urls.clear(); }

    void cleanup()
    {
        w.reset();
        SettingsSandbox::clear();
    }

    void increaseAndDecreaseReachEverything()
    {
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        QCOMPARE(w.font().pointSize(), 12);
        QVERIFY(w.findChildren<QCustomPlot *>().size() == 2);
        QVERIFY(w.findChildren<QMenu *>().size() == 5);

        for (int i = 0; i < 3; ++i)
            ui->action_font_size_increase->trigger();
        QCOMPARE(offSize(w, 15), QStringList());
        for (QLabel *heading : {ui->company_data_label, ui->report_data_label, ui->device_data_label})
            QVERIFY2(heading->font().bold(), qPrintable(heading->objectName()));
        QVERIFY(!ui->company_name_label->font().bold());

        for (int i = 0; i < 3; ++i)
            ui->action_font_size_decrease->trigger();
        QCOMPARE(offSize(w, 12), QStringList());
        QVERIFY(ui->report_data_label->font().bold());
    }

    void decreaseAtSizeOneChangesNothing()
    {
        MainWindow w;
        applyFontSize(&w, 1);
        QCOMPARE(offSize(w, 1), QStringList());
        MainWindowAccess::ui(w)->action_font_size_decrease->trigger();
        QCOMPARE(offSize(w, 1), QStringList());
        MainWindowAccess::ui(w)->action_font_size_increase->trigger();
        QCOMPARE(offSize(w, 2), QStringList());
    }

    // What the window adds to the blocks panel: the font size and the block's CSV.
    void cells_follow_the_font_size()
    {
        open_window();
        show_values(*w, {1, 2});
        ui->set_limits_checkbox->setChecked(true);
        const int before = ui->table_block_data->font().pointSize();
        ui->action_font_size_increase->trigger();
        QCOMPARE(ui->table_block_data->font().pointSize(), before + 1);
        QVERIFY(!cell_data(ui->table_block_data, 0, Qt::FontRole).isValid());
        ui->action_font_size_decrease->trigger(); // the next window of this suite opens as the first
    }

    void csv_and_copy_give_the_shown_block()
    {
        open_window();
        set_blocks(*w, {Block("a", {0.1f, 12.345f, -0.0f}), Block("b", {7})});
        QVERIFY(!ui->action_export_csv->isEnabled());
        show_block(*w, 0);
        QVERIFY(ui->action_export_csv->isEnabled());

        QTableView *table = ui->table_block_data;
        table->selectionModel()->select(table->model()->index(2, 0), QItemSelectionModel::Select);
        table->selectionModel()->select(table->model()->index(0, 0), QItemSelectionModel::Select);
        QTest::keySequence(table, QKeySequence::Copy);
        // Copied in full, as the CSV writes them, not as the cells show them.
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("0.1\n-0"));

        const QString path = dir.filePath("block.csv");
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path));
        ui->action_export_csv->trigger();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.at(0).nameFilters, QStringList{"(*.csv)"});
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        // In the system's own format, whichever it is.
        const CsvFormat format = CsvFormat::forLocale(QLocale::system());
        const QString s = format.separator;
        QCOMPARE(QString::fromUtf8(csv.readAll()), "\uFEFFНомер" + s + "Значение\r\n1" + s + format.number("0.1")
                                                       + "\r\n2" + s + format.number("12.345") + "\r\n3" + s + "-0\r\n");
        QVERIFY(viewer.urls.isEmpty());
        QCOMPARE(w->statusBar()->currentMessage(), QString("Файл сохранён: block.csv"));
    }

    void constructedState()
    {
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        QVERIFY(!ui->button_read_data->isEnabled());
        QVERIFY(!ui->button_export_to_PDF->isEnabled());
        QVERIFY(!ui->button_export_to_excel->isEnabled());
        QCOMPARE(ui->report_date_edit->date(), QDate::currentDate());
        QVERIFY(ui->table_block_data->horizontalHeader()->isHidden());
        QCOMPARE(ui->table_block_data->horizontalHeader()->sectionResizeMode(0), QHeaderView::Stretch);
        QCOMPARE(ui->logo_action->text(), QString("Добавить логотип"));
        QVERIFY(MainWindowAccess::blocks(w).isEmpty());
        QVERIFY(MainWindowAccess::logo(w).isNull());
        QVERIFY(MainWindowAccess::translator(w));
        QCOMPARE(MainWindowAccess::translator(w)->parent(), &w);
        QVERIFY(MainWindowAccess::translator(w)->isEmpty());
        // First start: within the primary screen's available area, however small that is.
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(w.geometry()));
    }

    void opensAtLayoutMinimumWithSizedLogoLabel()
    {
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Never below the layout's minimum, never above its preferred size.
        QCOMPARE(w.size().expandedTo(w.minimumSizeHint()), w.size());
        QCOMPARE(w.size().boundedTo(w.sizeHint().expandedTo(w.minimumSizeHint())), w.size());

        QTRY_VERIFY(ui->logotype->maximumWidth() < QWIDGETSIZE_MAX);
        const int half = ui->report_number->width() / 2;
        QCOMPARE(ui->logotype->maximumSize(), QSize(half, half));
        QCOMPARE(ui->logotype->alignment(), Qt::AlignCenter);

        // At the moment of sizing the label is exactly that square.
        MainWindowAccess::sizeLogoLabel(w);
        QCOMPARE(ui->logotype->geometry(), QRect(0, 0, half, half));
    }

    void logoIsShownScaledIntoTheLabel()
    {
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        QImage image(2000, 500, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        MainWindowAccess::logo(w) = image;
        ui->logotype->setMaximumSize(150, 150);
        ui->logotype->setGeometry(0, 0, 150, 150);
        // The report form shows it again at its next resize.
        ReportFormPanel &form = MainWindowAccess::formPanel(w);
        QResizeEvent event(QSize(800, 600), QSize(1, 1));
        QCoreApplication::sendEvent(&form, &event);
        const QPixmap shown = ui->logotype->pixmap(Qt::ReturnByValue);
        QCOMPARE(shown.width(), 150);
        QVERIFY(shown.height() == 37 || shown.height() == 38);
        QCOMPARE(MainWindowAccess::logo(w).size(), QSize(2000, 500));

        MainWindowAccess::logo(w) = QImage();
        QCoreApplication::sendEvent(&form, &event);
        QVERIFY(ui->logotype->pixmap(Qt::ReturnByValue).isNull());
    }

    void readButtonFollowsTheLinkSignals()
    {
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        Port &port = MainWindowAccess::port(w);
        emit port.validPortFound();
        QVERIFY(ui->button_read_data->isEnabled());
        emit port.validPortDisconnected();
        QVERIFY(!ui->button_read_data->isEnabled());
    }

    void shiftAnywhereZoomsTheValueAxis()
    {
        open_window();
        const auto send = [this](QEvent::Type type, int key) {
            QKeyEvent event(type, key, Qt::NoModifier);
            QApplication::sendEvent(w.get(), &event);
        };
        send(QEvent::KeyPress, Qt::Key_Shift);
        QCOMPARE(ui->diagram->axisRect()->rangeZoom(), Qt::Orientations(Qt::Vertical));
        send(QEvent::KeyRelease, Qt::Key_Control); // another key leaves it alone
        QCOMPARE(ui->graph->axisRect()->rangeZoom(), Qt::Orientations(Qt::Vertical));
        send(QEvent::KeyRelease, Qt::Key_Shift);
        QCOMPARE(ui->graph->axisRect()->rangeZoom(), Qt::Orientations(Qt::Horizontal));
    }

    // While a report is written the window stays usable but cannot read or export; afterwards
    // the export buttons are as they were, the read button follows the link, and only the
    // finished file is opened.
    void exportRunsAside_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("linkBefore"); // the instrument connected at the click
        QTest::addColumn<bool>("linkAfter");  // and when the report is done
        QTest::newRow("PDF") << true << true << true << true;
        QTest::newRow("Excel that fails") << false << false << true << true;
        QTest::newRow("link lost meanwhile") << true << true << true << false;
        QTest::newRow("link found meanwhile") << false << true << false << true;
    }

    void exportRunsAside()
    {
        QFETCH(bool, pdf);
        QFETCH(bool, writable);
        QFETCH(bool, linkBefore);
        QFETCH(bool, linkAfter);
        open_window();
        show_long_block();
        Port &port = MainWindowAccess::port(*w);
        if (linkBefore)
            emit port.validPortFound();
        const QString folder = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        if (!writable && !lock_path(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner))
            QSKIP("cannot make a folder without write access here");
        const QString path = folder + (pdf ? QStringLiteral("/report.pdf") : QStringLiteral("/report.xlsx"));
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path)).then(ModalDriver::press(QMessageBox::No));
        if (!writable)
            driver.then(ModalDriver::press(QMessageBox::Ok));
        QTest::mouseClick(pdf ? ui->button_export_to_PDF : ui->button_export_to_excel, Qt::LeftButton);

        auto *progress = w->findChild<QProgressBar *>(QStringLiteral("export_progress"));
        QVERIFY(progress);
        QVERIFY(!progress->isHidden());
        QCOMPARE(w->statusBar()->currentMessage(), QStringLiteral("Сохранение отчёта…"));
        QVERIFY(!ui->button_read_data->isEnabled());
        QVERIFY(!ui->button_export_to_PDF->isEnabled());
        QVERIFY(viewer.urls.isEmpty());
        if (linkAfter != linkBefore) {
            if (linkAfter)
                emit port.validPortFound();
            else
                emit port.validPortDisconnected();
            QVERIFY(!ui->button_read_data->isEnabled()); // not while the report is written
        }

        QTRY_VERIFY_WITH_TIMEOUT(!MainWindowAccess::reportExport(*w)->isRunning(), 60000);
        if (!writable)
            unlock_path(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(progress->isHidden());
        QVERIFY(w->statusBar()->currentMessage().isEmpty());
        QCOMPARE(ui->button_read_data->isEnabled(), linkAfter);
        QVERIFY(ui->button_export_to_PDF->isEnabled());
        QVERIFY(ui->button_export_to_excel->isEnabled());
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.size(), writable ? 2 : 3);
        QCOMPARE(viewer.urls, writable ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
        QCOMPARE(QFileInfo(path).isFile(), writable);
        // Nothing is left beside the target under another name.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), writable ? QStringList(QFileInfo(path).fileName()) : QStringList());
    }

    // Closing the window during an export waits for the report, which is then complete under
    // its name, and the settings are saved as usual.
    void closingDuringExport()
    {
        open_window();
        show_long_block();
        ui->company_name->setText(QStringLiteral("Закрытие"));
        const QString path = dir.filePath(QStringLiteral("closing.pdf"));
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path)).then(ModalDriver::press(QMessageBox::No));
        QTest::mouseClick(ui->button_export_to_PDF, Qt::LeftButton);
        QVERIFY(MainWindowAccess::reportExport(*w)->isRunning());
        w->close();
        w.reset();

        QVERIFY(viewer.urls.isEmpty());
        QVERIFY(pdf_lines(path).join('\n').contains(QStringLiteral("Закрытие")));
        QFile config(SettingsSandbox::file());
        QVERIFY(config.open(QIODevice::ReadOnly));
        QVERIFY(config.readAll().contains("Закрытие"));
    }

    // A limit still being typed when the window closes is kept, as leaving its box would keep it.
    void typedLimitKeptAtExit()
    {
        open_window();
        ui->limits_max->setValue(7.5);
        w.reset();
        QFile config(SettingsSandbox::file());
        QVERIFY(config.open(QIODevice::ReadOnly));
        QVERIFY(config.readAll().contains("\"limits_max_val\": 7.5"));
    }

    // File → Block summary: there while the list holds blocks; its double click shows the block
    // in the window; its exports wait while a report is written; its CSV goes where it is asked.
    void blockSummary()
    {
        open_window();
        QVERIFY(!ui->action_block_summary->isEnabled());
        set_blocks(*w, {Block("1 HB", {}), Block("2 HRC", {45, 46})});
        QVERIFY(ui->action_block_summary->isEnabled());
        ui->action_block_summary->trigger();
        auto *dialog = w->findChild<BlockSummaryDialog *>(QStringLiteral("block_summary_dialog"));
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->parentWidget(), w.get());

        emit dialog->table()->doubleClicked(dialog->table()->model()->index(1, 0));
        QCOMPARE(MainWindowAccess::measurements(*w).shownBlock().name, QStringLiteral("2 HRC"));
        QCOMPARE(ui->block_names_list->currentRow(), 1);
        QVERIFY(ui->button_export_to_PDF->isEnabled());

        auto *summaryPdf = dialog->findChild<QPushButton *>(QStringLiteral("summary_export_pdf"));
        QVERIFY(summaryPdf->isEnabled());
        show_long_block();
        const QString report = dir.filePath(QStringLiteral("summary-wait.pdf"));
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(report)).then(ModalDriver::press(QMessageBox::No));
        ui->button_export_to_PDF->click();
        QVERIFY(!summaryPdf->isEnabled());
        MainWindowAccess::finishReport(*w);
        QVERIFY(summaryPdf->isEnabled());

        const QString csv = dir.filePath(QStringLiteral("summary.csv"));
        driver.then(ModalDriver::chooseFile(csv));
        dialog->findChild<QPushButton *>(QStringLiteral("summary_export_csv"))->click();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.last().title, QStringLiteral("Сохранить сводку в CSV"));
        QVERIFY(QFileInfo(csv).isFile());
        QCOMPARE(w->statusBar()->currentMessage(), QStringLiteral("Файл сохранён: summary.csv"));

        // A later read that lists nothing takes it away again.
        set_blocks(*w, {});
        QVERIFY(!ui->action_block_summary->isEnabled());
    }

    // File → Open reading… and a row of the archive list a reading file as a read would, under
    // its name in the title; a file that is no reading is refused with a box over the window.
    void openReading()
    {
        const QString good = reading_file(QStringLiteral("good.json"), {Block("ЭТАЛОН 45", {45.1f}), Block("7 HRC", {1})});
        const QString bad = SettingsSandbox::folder() + QStringLiteral("/readings/bad.json");
        QFile broken(bad);
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("[1, 2") == 5);
        broken.close();
        open_window();
        w->setWindowTitle(QStringLiteral("Ormeda"));
        set_blocks(*w, {Block("earlier", {1, 2})});
        show_block(*w, 0);

        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(bad)).then(ModalDriver::press(QMessageBox::Ok));
        ui->action_open_reading->trigger();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.at(0).directory, QFileInfo(good).absolutePath());
        QCOMPARE(driver.seen.at(0).nameFilters, QStringList{"(*.json)"});
        QCOMPARE(driver.seen.at(1).text, QString("Не удалось открыть файл показаний."));
        QCOMPARE(driver.seen.at(1).icon, QMessageBox::Warning);
        QVERIFY(driver.seen.at(1).hasParent);
        QCOMPARE(w->windowTitle(), QStringLiteral("Ormeda"));
        QCOMPARE(ui->block_names_list->count(), 1);

        driver.then(ModalDriver::chooseFile(good));
        ui->action_open_reading->trigger();
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(w->windowTitle(), QStringLiteral("Ormeda — good.json"));
        QCOMPARE(ui->block_names_list->count(), 2);
        QCOMPARE(ui->block_names_list->currentItem(), nullptr);
        QVERIFY(!ui->button_export_to_PDF->isEnabled());
        QVERIFY(!ui->action_export_csv->isEnabled());

        // The archive's row: that reading listed and its block shown.
        ui->action_readings_archive->trigger();
        auto *archive = w->findChild<ReadingsArchiveDialog *>(QStringLiteral("readings_archive_dialog"));
        QVERIFY(archive && archive->isVisible());
        w->setWindowTitle(QStringLiteral("Ormeda"));
        emit archive->readingRequested(good, 1);
        QCOMPARE(w->windowTitle(), QStringLiteral("Ormeda — good.json"));
        QCOMPARE(ui->block_names_list->currentRow(), 1);
        QCOMPARE(MainWindowAccess::measurements(*w).shownBlock().name, QStringLiteral("7 HRC"));
    }

    void windowIsItsOwnEventFilter()
    {
        // Destroying the window before its deferred sizing has run must be harmless.
        for (int i = 0; i < 3; ++i) {
            auto w = new MainWindow;
            delete w;
        }
        QTest::qWait(20);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
