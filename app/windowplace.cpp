#include "windowplace.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>

#include "boundedscrollarea.h"
#include "windowgeometry.h"

namespace {

// Before it is shown the window knows nothing of the frame the desktop will give it;
// one as the style draws frames around windows inside a window is the likeliest.
QMargins expected_frame(const QWidget *window)
{
    const QStyle *style = window->style();
    const int side = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    return QMargins(side, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + side, side, side);
}

// The frame the desktop gave the window, once shown; the likeliest one before.
QMargins frame_of(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    if (!window->isVisible() || outer == inner)
        return expected_frame(window);
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

} // namespace

void restore_window_place(QMainWindow *window, QSplitter *columns, const QJsonObject &settings)
{
    const QMargins frame = expected_frame(window);
    const auto saved = read_window_geometry(settings, columns->count());
    if (saved) {
        QList<QRect> screens;
        for (const QScreen *screen : QGuiApplication::screens())
            screens << screen->availableGeometry();
        if (const auto placed = place_on_screens(saved->normal, frame, screens)) {
            window->setGeometry(*placed);
            fit_columns_into_screen(window);
            columns->setSizes(saved->columns);
            if (saved->maximized)
                window->setWindowState(window->windowState() | Qt::WindowMaximized);
            return;
        }
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        place_first_start(window, screen->availableGeometry());
}

void place_first_start(QWidget *window, const QRect &available)
{
    fit_columns_into(window, available);
    // Layouts keep what they measured before the fonts and texts were set; measured afresh.
    window->ensurePolished();
    for (QLayout *layout : window->findChildren<QLayout *>())
        layout->invalidate();
    window->setGeometry(first_start_geometry(window->sizeHint(), expected_frame(window), available));
}

void keep_window_place(const QMainWindow *window, const QSplitter *columns, QJsonObject &settings)
{
    if (!window->windowHandle())
        return;
    write_window_geometry(settings, WindowGeometry{window->normalGeometry(), window->isMaximized(), columns->sizes()});
}

void fit_columns_into(QWidget *window, const QRect &available)
{
    auto *area = window->findChild<BoundedScrollArea *>();
    const auto *main = qobject_cast<QMainWindow *>(window);
    if (!area || !main)
        return;
    // What the window puts around the columns (bars, margins), as the fonts set just now make it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QSize around = main->minimumSizeHint() - area->minimumSizeHint();
    const QMargins frame = frame_of(window);
    around += QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    area->setBound(available.size() - around);
    // Measured at once, not at the next layout request: the window may be placed right after.
    for (QWidget *widget = area->parentWidget(); widget && !widget->isWindow(); widget = widget->parentWidget())
        widget->updateGeometry();
}

void fit_columns_into_screen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    fit_columns_into(window, available);
    // Grown by the new fonts at the next layout, the window may stand over the area's edge:
    // then it moves back in.
    QTimer::singleShot(0, window, [window, available] {
        const QRect frame = window->frameGeometry();
        if (available.contains(frame) || window->isMaximized() || frame.width() > available.width()
            || frame.height() > available.height())
            return;
        const int dx = std::min(0, available.right() - frame.right()) + std::max(0, available.left() - frame.left());
        const int dy = std::min(0, available.bottom() - frame.bottom()) + std::max(0, available.top() - frame.top());
        window->move(window->pos() + QPoint(dx, dy));
    });
}
