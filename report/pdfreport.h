#ifndef PDFREPORT_H
#define PDFREPORT_H

#include <QString>

#include "reportmodel.h"

// Writes the PDF report of the model to fileName, under a temporary name until
// complete. Needs no widget, so it may run on any thread. False when the file
// could not be written.
bool write_pdf_report(const ReportModel &model, const QString &fileName);

// How a report's values table went onto its pages.
enum class ValuesTableDrawing {
    Whole,      // laid out whole, as the document pages it
    AlikePages, // its alike pages drawn from a laid-out short copy of the report
};

// write_pdf_report, telling how the values table was drawn, which the file does
// not show: a long table that slips back to the whole layout is only slow.
bool write_pdf_report_telling(const ReportModel &model, const QString &fileName, ValuesTableDrawing *drawing);

// The same report with its values table laid out whole, as the document itself
// pages it: slow for a long block, and what the quick way is checked against.
bool write_whole_pdf_report(const ReportModel &model, const QString &fileName);

#endif // PDFREPORT_H
