#include "verticalscrollarea.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyle>

VerticalScrollArea::VerticalScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    // The form's fields keep their place in the tab order; the area itself takes no focus.
    setFocusPolicy(Qt::NoFocus);
}

QSize VerticalScrollArea::minimumSizeHint() const
{
    const int frame = 2 * frameWidth();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int inner = widget() ? widget()->minimumSizeHint().width() : 0;
    return QSize(inner + bar + frame, QScrollArea::minimumSizeHint().height());
}

QSize VerticalScrollArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    const QSize inner = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
    return QSize(minimumSizeHint().width(), inner.height() + frame);
}

bool VerticalScrollArea::event(QEvent *event)
{
    // A new font or new texts change the form's smallest width: the window makes room again.
    if (event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::event(event);
}
