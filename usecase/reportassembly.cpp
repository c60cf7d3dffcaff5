#include "reportassembly.h"

#include <QLocale>

#include "blockcsv.h"
#include "blocksummary.h"
#include "csvtable.h"
#include "measurementmodel.h"
#include "reportscreen.h"

ReportAssembly::ReportAssembly(const MeasurementModel &model, const ReportScreen &screen, const QString &creator)
    : model(model)
    , screen(screen)
    , creator(creator)
{
}

// The block on display, whose statistics and plots the report prints too,
// not the list's current row, which a single click moves.
ReportData ReportAssembly::collect_report_data() const
{
    ReportData data = screen.reportForm().data;
    data.creator = creator;
    data.values = model.shownBlock().values;
    data.valueTitle = model.shownBlock().valueTitle();
    return data;
}

QString ReportAssembly::report_number() const
{
    return screen.reportForm().data.reportNumber;
}

ReportModel ReportAssembly::form_model(bool includeEmpty) const
{
    const ReportForm form = screen.reportForm();
    ReportModel report;
    report.data = form.data;
    report.data.creator = creator;
    report.includeEmpty = includeEmpty;
    report.logo = form.logo;
    report.commentsCaption = form.commentsCaption;
    report.comments = form.comments;
    return report;
}

ReportModel ReportAssembly::collect_report_model(bool includeEmpty, const QSize &plotSize) const
{
    ReportModel report = form_model(includeEmpty);
    report.data = collect_report_data();
    // The statistics as the window shows them, to one decimal.
    const BlockStatistics &statistics = model.statistics();
    const StatisticsCaptions captions = screen.statisticsCaptions();
    report.statisticsCaption = captions.title;
    report.statistics = {{captions.minimum, shown_statistic(statistics.minimum)},
                         {captions.maximum, shown_statistic(statistics.maximum)},
                         {captions.mean, shown_statistic(statistics.mean)},
                         {captions.stdev, shown_statistic(statistics.stdev)}};
    report.mean = shown_statistic(statistics.mean);
    const Limits &limits = model.limits();
    const PlotsReportChoice choice = screen.plotsChoice();
    if (choice.graph || choice.diagram) {
        const PlotPictureSource source{report.data.values, statistics, limits, choice.valueMin, choice.valueMax};
        report.sketches = screen.plotPictures(source, plotSize, choice.graph, choice.diagram);
    }
    report.toleranceLine = has_tolerance_line(limits.inForce(), choice.graph, choice.diagram);
    report.limitMin = limits.min;
    report.limitMax = limits.max;
    report.limits = limits;
    if (choice.tolerance)
        report.toleranceRows = tolerance_rows(model.assessment(), limits);
    return report;
}

// The blocks and the limits as they are now. Each block has the limits of its own unit in the
// table, so no one pair heads it.
SummaryReportModel ReportAssembly::collect_summary_model(bool includeEmpty) const
{
    SummaryReportModel summary;
    summary.form = form_model(includeEmpty);
    summary.table = summary_table(model);
    return summary;
}

QByteArray ReportAssembly::collect_block_csv() const
{
    const QVector<float> &values = model.shownBlock().values;
    return values.isEmpty() ? QByteArray() : block_csv(values, CsvFormat::forLocale());
}

QByteArray ReportAssembly::collect_summary_csv() const
{
    return summary_csv(summary_table(model), CsvFormat::forLocale(QLocale::system()));
}
