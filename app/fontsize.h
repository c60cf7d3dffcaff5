#ifndef FONTSIZE_H
#define FONTSIZE_H

class QWidget;

// Gives widget and everything below it the point size pointSize.
void applyFontSize(QWidget *widget, int pointSize);
// View → Font size: the window's point size one step up or down, its columns fitted anew into
// the screen.
void step_font_size(QWidget *window, int step);

#endif // FONTSIZE_H
