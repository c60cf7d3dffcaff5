#ifndef REPORTASSEMBLY_H
#define REPORTASSEMBLY_H

#include <QByteArray>
#include <QSize>
#include <QString>

#include "reportdata.h"
#include "reportmodel.h"
#include "summaryreport.h"

class MeasurementModel;
class ReportScreen;

// The reports of what the window shows, as their writers take them: the shown block's report
// and the summary of the listed blocks, each from the measurement model and the screen as they
// are at the click.
class ReportAssembly
{
public:
    // creator: the program and its version, as a PDF names its maker.
    ReportAssembly(const MeasurementModel &model, const ReportScreen &screen, const QString &creator);

    // The form's entries with the shown block's values and their title.
    ReportData collect_report_data() const;
    // Everything the block report shows, its plots drawn at plotSize.
    ReportModel collect_report_model(bool includeEmpty, const QSize &plotSize) const;
    // The form as the block report takes it, with every listed block's figures.
    SummaryReportModel collect_summary_model(bool includeEmpty) const;

    // The shown block's values and the summary's table as CSV in the system's format; no
    // values, no bytes.
    QByteArray collect_block_csv() const;
    QByteArray collect_summary_csv() const;

    QString report_number() const;

private:
    // The form's head and end of a report: fields, logo, comments.
    ReportModel form_model(bool includeEmpty) const;

    const MeasurementModel &model;
    const ReportScreen &screen;
    QString creator;
};

#endif // REPORTASSEMBLY_H
