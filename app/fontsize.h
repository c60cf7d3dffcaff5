#ifndef FONTSIZE_H
#define FONTSIZE_H

class QWidget;

// Gives widget and everything below it the point size pointSize.
void applyFontSize(QWidget *widget, int pointSize);

#endif // FONTSIZE_H
