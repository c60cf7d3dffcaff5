#include "placement.h"

QPoint window_position(const QSize &window, const QSize &available)
{
    const int x = (available.width() - window.width()) / 2;
    int y = (available.height() - window.height()) / 2;
    if (x < 0 || y < 0)
        y = 20;
    return QPoint(x, y);
}
