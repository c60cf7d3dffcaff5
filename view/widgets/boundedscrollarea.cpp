#include "boundedscrollarea.h"

#include <QEvent>

BoundedScrollArea::BoundedScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // the fields inside keep their place in the tab order
}

void BoundedScrollArea::setBound(const QSize &bound)
{
    limit = bound.expandedTo(QSize(1, 1));
    updateGeometry();
}

QSize BoundedScrollArea::minimumSizeHint() const
{
    const QSize inner = widget() ? widget()->minimumSizeHint() : QSize(0, 0);
    return inner.boundedTo(limit);
}

QSize BoundedScrollArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()).boundedTo(limit);
}

bool BoundedScrollArea::event(QEvent *event)
{
    // A new font or new texts change the widget's sizes: the window makes room again.
    if (event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::event(event);
}
