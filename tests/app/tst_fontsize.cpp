#include <QtTest>

#include <QMenu>
#include <QMenuBar>
#include <qcustomplot.h>

#include "fontsize.h"
#include "mainwindow.h"
#include "mainwindowaccess.h"
#include "settingssandbox.h"

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

class TestFontSize : public QObject
{
    Q_OBJECT

private:
    SettingsSandbox sandbox;

private slots:
    void initTestCase() { QVERIFY(sandbox.start()); }
    void init() { SettingsSandbox::clear(); }

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
};

QTEST_MAIN(TestFontSize)
#include "tst_fontsize.moc"
