#include "panelsreportscreen.h"

#include "blockspanel.h"
#include "plotpictures.h"
#include "plotspanel.h"
#include "reportformpanel.h"

PanelsReportScreen::PanelsReportScreen(const BlocksPanel &blocks, const PlotsPanel &plots,
                                       const ReportFormPanel &form, QObject *parent)
    : QObject(parent)
    , blocks(blocks)
    , plots(plots)
    , form(form)
{
}

ReportForm PanelsReportScreen::reportForm() const
{
    return {form.formData(), form.logo(), form.commentsCaption(), form.comments()};
}

StatisticsCaptions PanelsReportScreen::statisticsCaptions() const
{
    return blocks.statisticsCaptions();
}

PlotsReportChoice PanelsReportScreen::plotsChoice() const
{
    return plots.reportChoice();
}

// Drawn now, on the window's thread; what costs most, a long graph's line, is finished with the
// rest of the report.
QVector<PendingPicture> PanelsReportScreen::plotPictures(const PlotPictureSource &source, const QSize &size,
                                                         bool graph, bool diagram) const
{
    const BlockPlotPictures pictures = block_plot_pictures(source, size, graph, diagram);
    QVector<PendingPicture> pending;
    if (graph)
        pending.append([picture = pictures.graph] { return picture.finished(); });
    if (diagram)
        pending.append([picture = pictures.diagram] { return picture.finished(); });
    return pending;
}
