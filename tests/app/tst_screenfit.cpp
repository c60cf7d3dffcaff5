#include <QtTest>

#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>

#include "mainwindow.h"
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

} // namespace

// The window on the screens operators have, first start, 12 pt: all of it can be reached.
class TestScreenFit : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;

private slots:
    void initTestCase() { QVERIFY(sandbox.startWithoutPorts()); }
    void init() { SettingsSandbox::clear(); }

    void fits_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("english");
        for (const QSize screen : {QSize(1024, 768), QSize(1280, 720), QSize(1366, 768), QSize(1920, 1080)})
            for (const bool english : {false, true})
                QTest::addRow("%dx%d %s", screen.width(), screen.height(), english ? "en" : "ru") << screen << english;
    }

    void fits()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, english);
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        if (english)
            ui->actionEN->trigger();
        const QRect available(0, 0, screen.width(), screen.height() - 40); // less a taskbar
        placeFirstStart(&w, available);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // New texts reach the window through a posted layout request per level of widgets.
        for (int pass = 0; pass < 4; ++pass)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QSize smallest = w.minimumSizeHint();
        QVERIFY2(smallest.width() <= 1000 && smallest.height() <= 660,
                 qPrintable(QStringLiteral("%1x%2").arg(smallest.width()).arg(smallest.height())));
        QVERIFY(available.contains(w.frameGeometry()));

        auto *scroll = w.findChild<QScrollArea *>(QStringLiteral("report_form_scroll"));
        QVERIFY(scroll);
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
            QVERIFY2(!whole.isEmpty() && visible_part(widget, &w) == whole, qPrintable(name));
        }
        const QWidget *status = w.statusBar();
        QCOMPARE(visible_part(status, &w), QRect(status->mapTo(&w, QPoint(0, 0)), status->size()));
        if (screen.height() >= 1080)
            QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
    }
};

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
