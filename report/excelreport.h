#ifndef EXCELREPORT_H
#define EXCELREPORT_H

#include <QString>

#include "reportmodel.h"

class XlsxDocument;

// Lays the report out on the document's one sheet, in columns A to I.
void write_excel_report(XlsxDocument &doc, const ReportModel &report);

// Lays the report out and saves it to fileName, put in place only once complete.
// Needs no widget, so it may run on any thread. False when it could not be saved.
bool save_excel_report(const ReportModel &report, const QString &fileName);

#endif // EXCELREPORT_H
