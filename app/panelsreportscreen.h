#ifndef PANELSREPORTSCREEN_H
#define PANELSREPORTSCREEN_H

#include <QObject>

#include "reportscreen.h"

class BlocksPanel;
class PlotsPanel;
class ReportFormPanel;

// What the window's panels give a report: the report form, the statistics' captions, the
// report check boxes and the plot range; the plot pictures are drawn off screen from the block.
class PanelsReportScreen : public QObject, public ReportScreen
{
public:
    PanelsReportScreen(const BlocksPanel &blocks, const PlotsPanel &plots, const ReportFormPanel &form,
                       QObject *parent);

    ReportForm reportForm() const override;
    StatisticsCaptions statisticsCaptions() const override;
    PlotsReportChoice plotsChoice() const override;
    QVector<PendingPicture> plotPictures(const PlotPictureSource &source, const QSize &size, bool graph,
                                         bool diagram) const override;

private:
    const BlocksPanel &blocks;
    const PlotsPanel &plots;
    const ReportFormPanel &form;
};

#endif // PANELSREPORTSCREEN_H
