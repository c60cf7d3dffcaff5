#ifndef REPORTMODEL_H
#define REPORTMODEL_H

#include <QImage>
#include <QString>
#include <QVector>

#include <cmath>
#include <functional>
#include <limits>

#include "reportdata.h"
#include "reporttexts.h"
#include "toleranceassessment.h"
#include "tolerancelimits.h"

// A picture finished only when the report is written, on any thread: what costs
// most to draw need not hold the window at the click.
using PendingPicture = std::function<QImage()>;

struct ReportStatistic
{
    QString label;
    double value = 0;
};

// A row of the statistics table whose value is a text of its own.
struct ReportTextStatistic
{
    QString label;
    QString text;
    // The limits' row only: the bounds its text shows, for a workbook to hold as numbers.
    double lower = std::numeric_limits<double>::quiet_NaN();
    double upper = std::numeric_limits<double>::quiet_NaN();

    bool isLimits() const { return !std::isnan(lower); }
};

// One line of the values table as both reports print it.
struct ReportValueRow
{
    int number = 0;
    QString value;     // rounded to its decimals
    QString deviation; // the shown mean minus the value
    bool outside = false; // outside the shown limits
};

// A row of the fields table: a section heading or an entry.
struct ReportFieldRow
{
    bool heading = false;
    QString label; // the section caption for a heading
    QString value;
};

// Everything a report shows, taken from the window at the click, so that the
// writers need no widget and can run away from the window's thread.
struct ReportModel
{
    ReportData data;
    bool includeEmpty = false;
    QImage logo; // null: no logo
    QString statisticsCaption;
    QVector<ReportStatistic> statistics; // minimum, maximum, mean, σ
    double mean = 0;                     // the shown mean, from which the deviations are taken
    QVector<QImage> plots;               // graph first, those ticked only
    QVector<PendingPicture> sketches;    // plots still to be finished, after those
    // Rows after the statistics: the tolerance assessment when it is asked for, or none.
    QVector<ReportTextStatistic> toleranceRows;
    bool toleranceLine = false;
    double limitMin = 0;
    double limitMax = 0;
    Limits limits; // values outside them are marked while they are shown
    QString commentsCaption;
    QString comments;
    ReportCaptions captions = report_captions();

    // Finishes the sketched plots into plots; on any thread.
    void finishPlots();
    // The included entries, each section's heading before its first one.
    QVector<ReportFieldRow> fieldRows() const;
    ReportValueRow valueRow(int index) const;
    // The PDF lists the statistics as mean, σ, maximum, minimum.
    QVector<ReportStatistic> pdfStatistics() const;
    // "Допуск: [lo; hi]", or empty when the report has no tolerance line.
    QString toleranceText() const;
};

// The tolerance line goes in only with limits shown and a plot in the report.
bool has_tolerance_line(bool limitsShown, bool graphIncluded, bool diagramIncluded);

// The tolerance assessment as both reports add it to the statistics, in the current
// language: the limits, the values outside them, Cp and Cpk, as the window gives them.
// None while the limits are not shown.
QVector<ReportTextStatistic> tolerance_rows(const ToleranceAssessment &assessment, const Limits &limits);

#endif // REPORTMODEL_H
