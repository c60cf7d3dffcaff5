#ifndef REPORTTEXTS_H
#define REPORTTEXTS_H

#include <QString>

// Texts that both report writers put in their tables, so the two reports agree.

// Caption of the deviation column; not translated.
QString deviation_caption();

// A statistic as the reports print it: one decimal.
QString statistic_text(double value);

// The displayed mean minus the value, one decimal.
QString deviation_text(double mean, float v);

// The writers' fixed texts in the current language. A report takes them with the
// rest at the click, so that a language switch while it is written does not mix them.
struct ReportCaptions
{
    QString pdfTitle;
    QString excelTitle;
    QString number; // heading of the numbers column
    QString pdfSignature;
    QString excelSignature;
    QString toleranceOpening; // "Допуск: ["
};

ReportCaptions report_captions();

// "Допуск: [lo; hi]" after the caption's opening, limits with 6 significant digits.
QString tolerance_text(const ReportCaptions &captions, double lo, double hi);

#endif // REPORTTEXTS_H
