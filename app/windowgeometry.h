#ifndef WINDOWGEOMETRY_H
#define WINDOWGEOMETRY_H

#include <QJsonObject>
#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

// Where the window stood when the program last ended: its own area without the frame
// (the area it goes back to when maximized), whether it was maximized, and the widths of
// its columns, left to right.
struct WindowGeometry
{
    QRect normal;
    bool maximized = false;
    QList<int> columns;
};

// The saved geometry, or nothing where a key is missing or holds a bad value, or where the
// column widths are not `columnCount` of them.
std::optional<WindowGeometry> read_window_geometry(const QJsonObject &settings, int columnCount);
void write_window_geometry(QJsonObject &settings, const WindowGeometry &geometry);

// First start: the preferred size, shrunk where it and the frame are larger than the
// available area, centred in that area.
QRect first_start_geometry(const QSize &preferred, const QMargins &frame, const QRect &available);

// The saved area on the first of `screens` (available areas) that holds the middle of its
// top edge, where the title bar is grabbed, shrunk and moved to lie wholly on it; nothing
// where no screen does.
std::optional<QRect> place_on_screens(const QRect &saved, const QMargins &frame, const QList<QRect> &screens);

#endif // WINDOWGEOMETRY_H
