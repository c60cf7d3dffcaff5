#include "valuetext.h"

#include <cmath>

#include "mainwindow.h"

QString value_display_text(float v)
{
    const int decimals = MainWindow::value_decimals(v);
    const double scale = std::pow(10.0, decimals);
    double scaled = double(v) * scale;
    // Beyond 2^52 a double has no fraction left to cut; NaN stays NaN.
    if (std::fabs(scaled) < 4503599627370496.0)
        scaled = std::trunc(scaled);
    return QString::number(scaled / scale, 'f', decimals);
}
