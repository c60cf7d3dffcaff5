#ifndef VALUETEXT_H
#define VALUETEXT_H

#include <QString>

// Decimals a value is shown with: 2 below 10 in magnitude, 1 below 100, otherwise
// (NaN and infinities too) 0.
int value_decimals(float v);

// The text a value gets on screen: its measured decimal (value_full_text) cut, never
// rounded, to value_decimals(v) decimals, so a stored 45.79999924 shows 45.8 and 2.345 shows 2.34.
QString value_display_text(float v);

// The double nearest to the measured decimal: what the limits judge, as the decimal would be
// read from the table's copy or the CSV.
double value_measured_number(float v);

// The value with that many decimals, rounded; a value that rounds to zero from below
// reads "0.0", never "-0.0".
QString fixed_text(double value, int decimals);

// The text a report gives a value: rounded, not cut, to value_decimals(v) decimals, so a
// stored 2.345 reads 2.34 on screen and 2.35 in a report.
QString report_value_text(float v);

// The shortest text that reads back as the very same float ("-0" and "1e+10" included);
// "nan", "inf" and "-inf" for the values that are not finite. For files, not for the screen.
QString value_full_text(float v);

#endif // VALUETEXT_H
