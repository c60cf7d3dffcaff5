#include <QtTest>

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

#include "../report/modaldriver.h"
#include "../view/viewtestwindow.h"
#include "csvtable.h"
#include "qcustomplot.h"
#include "urlcatcher.h"
#include "valuetable.h"

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> w;
    WindowForm *ui = nullptr;

    void open_window()
    {
        w = std::make_unique<MainWindow>();
        ui = MainWindowAccess::ui(*w);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { w.reset(); }

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

        QTemporaryDir dir;
        UrlCatcher viewer;
        viewer.catchFileUrls();
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
