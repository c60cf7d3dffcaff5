#include "fontsize.h"
#include "windowplace.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <qcustomplot.h>

namespace {

QFont with_point_size(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

void set_axis_fonts(QCPAxis *axis, const QFont &font)
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
        QApplication::setFont(with_point_size(QApplication::font(), pointSize));

    widget->setFont(with_point_size(widget->font(), pointSize));

    const QObjectList children = widget->children();
    for (QObject *child : children) {
        if (auto *childWidget = qobject_cast<QWidget *>(child))
            applyFontSize(childWidget, pointSize);
    }

    if (auto *menu = qobject_cast<QMenu *>(widget)) {
        const QFont font = with_point_size(menu->font(), pointSize);
        menu->setFont(font);
        const QList<QAction *> actions = menu->actions();
        for (QAction *action : actions)
            action->setFont(font);
    }

    if (auto *plot = qobject_cast<QCustomPlot *>(widget)) {
        const QFont font = with_point_size(plot->font(), pointSize);
        set_axis_fonts(plot->xAxis, font);
        set_axis_fonts(plot->yAxis, font);
        set_axis_fonts(plot->xAxis2, font);
        set_axis_fonts(plot->yAxis2, font);
        // The plot paints from its buffers; without a replot the old fonts would stay on screen.
        plot->replot(QCustomPlot::rpQueuedReplot);
    }
}

void step_font_size(QWidget *window, int step)
{
    applyFontSize(window, window->font().pointSize() + step);
    fit_columns_into_screen(window);
}
