#ifndef VALUETEXT_H
#define VALUETEXT_H

#include <QString>

// The text a value gets on screen: cut, never rounded, to MainWindow::value_decimals(v) decimals.
QString value_display_text(float v);

#endif // VALUETEXT_H
