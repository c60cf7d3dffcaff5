#ifndef PLACEMENT_H
#define PLACEMENT_H

#include <QPoint>
#include <QSize>

// Where the window goes on start-up: centred in the available area; when it does
// not fit, y drops to 20 and x keeps whatever the centring gave, negative or not.
QPoint window_position(const QSize &window, const QSize &available);

#endif // PLACEMENT_H
