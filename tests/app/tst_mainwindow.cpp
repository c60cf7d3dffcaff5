#include <QtTest>

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include "mainwindowaccess.h"

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

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
