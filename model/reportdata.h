#ifndef REPORTDATA_H
#define REPORTDATA_H

#include <QList>
#include <QString>
#include <QVector>

#include "blockstatistics.h"
#include "tolerancelimits.h"

// What a report takes from the screen besides the model, as plain values: the form's entries,
// the statistics' captions, and what the report check boxes and the plot range ask of its plots.

struct ReportEntry
{
    QString label;   // caption as the form shows it now
    QString value;   // what the operator typed, untrimmed
    QString section; // caption of the section heading
};

struct ReportData
{
    QList<ReportEntry> entries;
    QString valueTitle;
    QVector<float> values;
    // What the PDF says of itself besides its title.
    QString reportNumber;
    QString operatorName;
    QString creator; // the program and its version
};

// The statistics box's caption and its four rows' labels, as the window shows them.
struct StatisticsCaptions
{
    QString title;
    QString minimum;
    QString maximum;
    QString mean;
    QString stdev;
};

// What the plot-range boxes and the report check boxes ask of a report.
struct PlotsReportChoice
{
    bool graph = true;
    bool diagram = true;
    bool tolerance = false;
    double valueMin = 0; // the value axis as the plot-range boxes set it
    double valueMax = 5;
};

// What a report's plot pictures show: a block, its limits and the value range, never
// anything of the plots on screen (their zoom, pan, size or scale).
struct PlotPictureSource
{
    QVector<float> values;
    BlockStatistics statistics;
    Limits limits;
    double low = 0; // the value axis
    double high = 5;
};

enum class ReportFormat { Pdf, Workbook };

// An entry goes into a report when empty fields are wanted or it holds text.
inline bool is_entry_included(const ReportEntry &entry, bool includeEmpty)
{
    return includeEmpty || !entry.value.isEmpty();
}

#endif // REPORTDATA_H
