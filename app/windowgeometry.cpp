#include "windowgeometry.h"

#include <QJsonArray>
#include <QJsonValue>

#include <algorithm>
#include <cmath>

#include "placement.h"

namespace {

const char *const kGeometry = "window_geometry";
const char *const kMaximized = "window_maximized";
const char *const kColumns = "window_columns";

// Whole numbers in the range a screen coordinate can take; nothing for anything else.
std::optional<QList<int>> whole_numbers(const QJsonValue &value)
{
    if (!value.isArray())
        return std::nullopt;
    QList<int> numbers;
    for (const QJsonValue &item : value.toArray()) {
        const double number = item.toDouble(qQNaN());
        if (!item.isDouble() || std::floor(number) != number || std::abs(number) > 1e6)
            return std::nullopt;
        numbers << int(number);
    }
    return numbers;
}

} // namespace

std::optional<WindowGeometry> read_window_geometry(const QJsonObject &settings, int columnCount)
{
    const auto rect = whole_numbers(settings.value(QLatin1String(kGeometry)));
    const auto columns = whole_numbers(settings.value(QLatin1String(kColumns)));
    const QJsonValue maximized = settings.value(QLatin1String(kMaximized));
    if (!rect || rect->size() != 4 || rect->at(2) <= 0 || rect->at(3) <= 0 || !maximized.isBool() || !columns
        || columns->size() != columnCount || std::any_of(columns->begin(), columns->end(), [](int w) { return w < 0; }))
        return std::nullopt;
    return WindowGeometry{QRect(rect->at(0), rect->at(1), rect->at(2), rect->at(3)), maximized.toBool(), *columns};
}

void write_window_geometry(QJsonObject &settings, const WindowGeometry &geometry)
{
    const QRect &r = geometry.normal;
    settings.insert(QLatin1String(kGeometry), QJsonArray{r.x(), r.y(), r.width(), r.height()});
    settings.insert(QLatin1String(kMaximized), geometry.maximized);
    QJsonArray columns;
    for (const int width : geometry.columns)
        columns.append(width);
    settings.insert(QLatin1String(kColumns), columns);
}

QRect first_start_geometry(const QSize &preferred, const QMargins &frame, const QRect &available)
{
    const QSize room = available.size().shrunkBy(frame);
    const QSize size = preferred.boundedTo(room.expandedTo(QSize(1, 1)));
    const QSize framed = size.grownBy(frame);
    const QPoint at = available.topLeft() + window_position(framed, available.size());
    return QRect(at + QPoint(frame.left(), frame.top()), size);
}

std::optional<QRect> place_on_screens(const QRect &saved, const QMargins &frame, const QList<QRect> &screens)
{
    const QRect framed = saved.marginsAdded(frame);
    for (const QRect &screen : screens) {
        if (!screen.contains(QPoint(framed.center().x(), framed.top())))
            continue;
        QRect placed(framed.topLeft(), framed.size().boundedTo(screen.size()));
        placed.moveLeft(std::min(std::max(placed.left(), screen.left()), screen.right() - placed.width() + 1));
        placed.moveTop(std::min(std::max(placed.top(), screen.top()), screen.bottom() - placed.height() + 1));
        return placed.marginsRemoved(frame);
    }
    return std::nullopt;
}
