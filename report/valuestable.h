#ifndef VALUESTABLE_H
#define VALUESTABLE_H

#include <QString>
#include <QVector>

#include "reportmodel.h"

class PdfPages;

// The PDF's values table: three framed columns of `columnWidth` document lengths, a row a
// line of the report's font, texts centred. It runs over as many pages as it needs, each
// page's part starting with the heading row; a page never ends on the heading alone.
// Rows marked outside show their value in red.
void paint_values_table(PdfPages &pages, const QVector<QString> &headings, const QVector<ReportValueRow> &rows,
                        qreal columnWidth);

#endif // VALUESTABLE_H
