#ifndef PDFREPORT_H
#define PDFREPORT_H

#include <QString>

#include "reportmodel.h"

// Writes the PDF report of the model to fileName, under a temporary name until
// complete. Needs no widget, so it may run on any thread. False when the file
// could not be written.
bool write_pdf_report(const ReportModel &model, const QString &fileName);

#endif // PDFREPORT_H
