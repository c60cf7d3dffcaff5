#ifndef EXCELREPORT_H
#define EXCELREPORT_H

#include <QImage>
#include <QString>
#include <QVector>

#include "reportdata.h"

class XlsxDocument;

struct ExcelStatistic
{
    QString label;
    double value = 0;
};

// Everything the Excel report shows, taken from the window before writing.
struct ExcelReport
{
    ReportData data;
    bool includeEmpty = false;
    QImage logo; // null: no logo
    QString statisticsCaption;
    QVector<ExcelStatistic> statistics; // minimum, maximum, mean, σ
    double mean = 0;                    // the shown mean, from which the differences are taken
    QVector<QImage> plots;              // graph first
    bool toleranceLine = false;
    double limitMin = 0;
    double limitMax = 0;
    QString commentsCaption;
    QString comments;
};

// Lays the report out on the document's one sheet, in columns A to I.
void write_excel_report(XlsxDocument &doc, const ExcelReport &report);

#endif // EXCELREPORT_H
