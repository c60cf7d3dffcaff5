#include <QtTest>

#include <memory>

#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>

#include "mainwindow.h"
#include "../view/viewtestwindow.h"
#include "mainwindowaccess.h"
#include "settingssandbox.h"
#include "windowplace.h"

namespace {

// The part of `widget` its ancestors up to `top` let through, in top's coordinates.
QRect visible_part(const QWidget *widget, const QWidget *top)
{
    QRect shown(widget->mapTo(top, QPoint(0, 0)), widget->size());
    for (const QWidget *up = widget->parentWidget(); up && up != top; up = up->parentWidget())
        shown &= QRect(up->mapTo(top, QPoint(0, 0)), up->size());
    return shown & top->rect();
}

// A changed text or font reaches the layouts through their posted requests.
QSize settled_minimum(QWidget *window)
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return window->minimumSizeHint();
}

} // namespace

// The window on the screens operators have, first start, 12 pt: all of it can be reached.
class TestScreenFit : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;
    std::unique_ptr<MainWindow> w;
    WindowForm *ui = nullptr;

private slots:
    void initTestCase() { QVERIFY(sandbox.startWithoutPorts()); }
    void init() { SettingsSandbox::clear(); }
    void cleanup() { w.reset(); }

    // With the figures beside the limits the window still fits the screens it is made for: an
    // operator's 1024 x 768 at the default font, a laptop's 1366 x 768 four steps larger, less
    // a taskbar; and a figure is shown whole at that size.
    void minimumSizeDoesNotGrow_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("fontSteps");
        QTest::addColumn<QSize>("bound");
        QTest::newRow("Russian") << false << 0 << QSize(1000, 660);
        QTest::newRow("English, larger") << true << 4 << QSize(1366, 728);
        QTest::newRow("English, smaller") << true << -4 << QSize(1000, 660);
    }

    void minimumSizeDoesNotGrow()
    {
        QFETCH(bool, english);
        QFETCH(int, fontSteps);
        QFETCH(QSize, bound);
        w = std::make_unique<MainWindow>();
        ui = MainWindowAccess::ui(*w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        if (english)
            ui->actionEN->trigger();
        for (int i = 0; i < qAbs(fontSteps); ++i)
            (fontSteps > 0 ? ui->action_font_size_increase : ui->action_font_size_decrease)->trigger();
        set_limits(*w, 0.0, 10.0, true);
        show_values(*w, {-1, 2, 3, 11, 12, 5, 6});

        const QList<QWidget *> added = {ui->out_of_limits_label, ui->out_of_limits_box, ui->cp_label, ui->cp_box,
                                        ui->cpk_label, ui->cpk_box, ui->report_tolerance_checkbox};
        const QSize with = settled_minimum(w.get());
        QVERIFY2(with.boundedTo(bound) == with, qPrintable(QString("%1 x %2").arg(with.width()).arg(with.height())));

        w->resize(with);
        QTRY_COMPARE(w->size(), with);
        const QLineEdit *box = ui->out_of_limits_box;
        QVERIFY(box->fontMetrics().horizontalAdvance(box->text()) < box->contentsRect().width());
    }

    void fits_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("fontSteps");
        for (const QSize screen : {QSize(1024, 768), QSize(1280, 720), QSize(1366, 768), QSize(1920, 1080)})
            for (const bool english : {false, true})
                QTest::addRow("%dx%d %s", screen.width(), screen.height(), english ? "en" : "ru") << screen << english << 0;
        // Larger fonts scroll the columns; the window stays on the screen.
        QTest::addRow("1024x768 en, 4 steps larger") << QSize(1024, 768) << true << 4;
    }

    void fits()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, english);
        QFETCH(int, fontSteps);
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        if (english)
            ui->actionEN->trigger();
        const QRect available(0, 0, screen.width(), screen.height() - 40); // less a taskbar
        place_first_start(&w, available);
        for (int step = 0; step < fontSteps; ++step) {
            ui->action_font_size_increase->trigger();
            fit_columns_into(&w, available); // as the step does on the screen the window is on
        }
        if (fontSteps > 0) // the window's place after its font grew, from a fresh start
            place_first_start(&w, available);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // New texts reach the window through a posted layout request per level of widgets.
        for (int pass = 0; pass < 4; ++pass)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QSize smallest = w.minimumSizeHint();
        QVERIFY2(fontSteps > 0 || (smallest.width() <= 1000 && smallest.height() <= 660),
                 qPrintable(QStringLiteral("%1x%2").arg(smallest.width()).arg(smallest.height())));
        if (fontSteps == 0) {
            QVERIFY(available.contains(w.frameGeometry()));
        } else {
            // Grown to the area's full size; a desktop then moves it back in whole.
            QCOMPARE(w.frameGeometry().size().boundedTo(available.size()), w.frameGeometry().size());
        }

        auto *scroll = w.findChild<QScrollArea *>(QStringLiteral("report_form_scroll"));
        auto *columns = w.findChild<QScrollArea *>(QStringLiteral("columns_area"));
        QVERIFY(scroll && columns);
        const bool columnsScroll =
            columns->horizontalScrollBar()->maximum() > 0 || columns->verticalScrollBar()->maximum() > 0;
        QVERIFY(fontSteps > 0 || !columnsScroll); // at 12 pt everything fits without
        const QList<QWidget *> widgets = ui->centralwidget->findChildren<QWidget *>();
        for (const QWidget *widget : widgets) {
            const QString name = widget->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !widget->isVisibleTo(&w))
                continue;
            const QRect whole(widget->mapTo(&w, QPoint(0, 0)), widget->size());
            if (scroll->widget()->isAncestorOf(widget)) {
                // Scrolled into view it is whole: nothing of it is cut off at the sides.
                const QRect inForm(widget->mapTo(scroll->widget(), QPoint(0, 0)), widget->size());
                QVERIFY2(scroll->viewport()->width() >= inForm.right() + 1 && !inForm.isEmpty(), qPrintable(name));
                continue;
            }
            if (columnsScroll && visible_part(widget, &w) != whole) {
                // Out of sight only where the columns scroll: a scroll brings it whole into view.
                const QRect inColumns(widget->mapTo(columns->widget(), QPoint(0, 0)), widget->size());
                QVERIFY2(columns->widget()->rect().contains(inColumns), qPrintable(name));
                continue;
            }
            QVERIFY2(!whole.isEmpty() && visible_part(widget, &w) == whole, qPrintable(name));
        }
        const QWidget *status = w.statusBar();
        QCOMPARE(visible_part(status, &w), QRect(status->mapTo(&w, QPoint(0, 0)), status->size()));
        if (screen.height() >= 1080 && fontSteps == 0)
            QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
    }
};

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
