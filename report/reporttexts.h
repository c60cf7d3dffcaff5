#ifndef REPORTTEXTS_H
#define REPORTTEXTS_H

#include <QString>

// Texts that both report writers put in their tables, so the two reports agree.

// Caption of the deviation column; not translated.
QString deviation_caption();

// A value rounded to its decimals (the screen cuts instead).
QString report_value_text(float v);

// The displayed mean minus the value, one decimal.
QString deviation_text(double mean, float v);

// "Допуск: [lo; hi]" in the current language, limits with 6 significant digits.
QString tolerance_text(double lo, double hi);

#endif // REPORTTEXTS_H
