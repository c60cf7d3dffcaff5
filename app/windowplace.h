#ifndef WINDOWPLACE_H
#define WINDOWPLACE_H

#include <QJsonObject>

class QMainWindow;
class QRect;
class QSplitter;
class QWidget;

// Before the window is first shown: where it stood at the last exit when that still lies on
// a screen, else its preferred size fitted into the primary screen's available area.
void restore_window_place(QMainWindow *window, QSplitter *columns, const QJsonObject &settings);

// Its preferred size fitted into `available`, centred there.
void place_first_start(QWidget *window, const QRect &available);

// The window's columns ask for no more than `available` leaves them, less the window's frame,
// menu and status bars: larger fonts make them scroll, not the window outgrow the area.
void fit_columns_into(QWidget *window, const QRect &available);
// As above, in the available area of the screen the window is on.
void fit_columns_into_screen(QWidget *window);

// Where a window once shown stands now, into the settings; nothing for one never shown.
void keep_window_place(const QMainWindow *window, const QSplitter *columns, QJsonObject &settings);

#endif // WINDOWPLACE_H
