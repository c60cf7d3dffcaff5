#include "windowplace.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>
#include <QStyle>

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

} // namespace

void restoreWindowPlace(QMainWindow *window, QSplitter *columns, const QJsonObject &settings)
{
    const QMargins frame = expected_frame(window);
    const auto saved = readWindowGeometry(settings, columns->count());
    if (saved) {
        QList<QRect> screens;
        for (const QScreen *screen : QGuiApplication::screens())
            screens << screen->availableGeometry();
        if (const auto placed = placeOnScreens(saved->normal, frame, screens)) {
            window->setGeometry(*placed);
            columns->setSizes(saved->columns);
            if (saved->maximized)
                window->setWindowState(window->windowState() | Qt::WindowMaximized);
            return;
        }
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        placeFirstStart(window, screen->availableGeometry());
}

void placeFirstStart(QWidget *window, const QRect &available)
{
    // Layouts keep what they measured before the fonts and texts were set; measured afresh.
    window->ensurePolished();
    for (QLayout *layout : window->findChildren<QLayout *>())
        layout->invalidate();
    window->setGeometry(firstStartGeometry(window->sizeHint(), expected_frame(window), available));
}

void keepWindowPlace(const QMainWindow *window, const QSplitter *columns, QJsonObject &settings)
{
    if (!window->windowHandle())
        return;
    writeWindowGeometry(settings, WindowGeometry{window->normalGeometry(), window->isMaximized(), columns->sizes()});
}
