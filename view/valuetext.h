#ifndef VALUETEXT_H
#define VALUETEXT_H

#include <QString>

// Decimals a value is shown with: 2 below 10 in magnitude, 1 below 100, otherwise
// (NaN and infinities too) 0.
int value_decimals(float v);

// The text a value gets on screen: cut, never rounded, to value_decimals(v) decimals.
QString value_display_text(float v);

#endif // VALUETEXT_H
