#include "fontsize.h"
#include "mainwindow.h"
#include "windowplace.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <qcustomplot.h>

namespace {

QFont withPointSize(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

void setAxisFonts(QCPAxis *axis, const QFont &font)
{
    if (!axis)
        return;
    axis->setTickLabelFont(font);
    axis->setLabelFont(font);
}

} // namespace

void applyFontSize(QWidget *widget, int pointSize)
{
    // Qt refuses sizes below 1 anyway; stopping here spares a warning per widget.
    if (!widget || pointSize < 1)
        return;

    if (QApplication::font().pointSize() != pointSize)
        QApplication::setFont(withPointSize(QApplication::font(), pointSize));

    widget->setFont(withPointSize(widget->font(), pointSize));

    const QObjectList children = widget->children();
    for (QObject *child : children) {
        if (auto *childWidget = qobject_cast<QWidget *>(child))
            applyFontSize(childWidget, pointSize);
    }

    if (auto *menu = qobject_cast<QMenu *>(widget)) {
        const QFont font = withPointSize(menu->font(), pointSize);
        menu->setFont(font);
        const QList<QAction *> actions = menu->actions();
        for (QAction *action : actions)
            action->setFont(font);
    }

    if (auto *plot = qobject_cast<QCustomPlot *>(widget)) {
        const QFont font = withPointSize(plot->font(), pointSize);
        setAxisFonts(plot->xAxis, font);
        setAxisFonts(plot->yAxis, font);
        setAxisFonts(plot->xAxis2, font);
        setAxisFonts(plot->yAxis2, font);
        // The plot paints from its buffers; without a replot the old fonts would stay on screen.
        plot->replot(QCustomPlot::rpQueuedReplot);
    }
}

void MainWindow::on_action_font_size_increase_triggered()
{
    applyFontSize(this, font().pointSize() + 1);
    fitColumnsIntoScreen(this);
}

void MainWindow::on_action_font_size_decrease_triggered()
{
    applyFontSize(this, font().pointSize() - 1);
    fitColumnsIntoScreen(this);
}
