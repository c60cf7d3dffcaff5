#ifndef REPORTSCREEN_H
#define REPORTSCREEN_H

#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

#include "reportdata.h"
#include "reportmodel.h"

// The report form as it stands: its entries under their headings, the logo and the comments.
struct ReportForm
{
    ReportData data;
    QImage logo; // null: no logo
    QString commentsCaption;
    QString comments;
};

// What the window shows that a report takes besides the measurement model, asked at the
// click. The window answers from its panels, a test with values of its own.
class ReportScreen
{
public:
    virtual ~ReportScreen() = default;

    virtual ReportForm reportForm() const = 0;
    virtual StatisticsCaptions statisticsCaptions() const = 0;
    virtual PlotsReportChoice plotsChoice() const = 0;
    // The graph and the diagram of `source` at `size` pixels, graph first, those not wanted
    // left out; each finished when the report is written, on any thread.
    virtual QVector<PendingPicture> plotPictures(const PlotPictureSource &source, const QSize &size, bool graph,
                                                 bool diagram) const = 0;
};

#endif // REPORTSCREEN_H
