#ifndef PDFDOCUMENT_H
#define PDFDOCUMENT_H

#include <QFont>
#include <QVector>

#include "reportmodel.h"

class QTextDocument;
class QTextTable;

// The report's font, the documents' default.
QFont report_font();

// Fills an empty document with the PDF report of the model. After its heading the
// values table lists lines[rows[i]] for each i, an empty row where rows[i] is -1;
// the table is returned. pageWidth is the page's width in points.
QTextTable *build_pdf_document(QTextDocument &document, const ReportModel &model,
                               const QVector<ReportValueRow> &lines, const QVector<int> &rows, int pageWidth);

#endif // PDFDOCUMENT_H
