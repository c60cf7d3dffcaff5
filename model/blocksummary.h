#ifndef BLOCKSUMMARY_H
#define BLOCKSUMMARY_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cmath>
#include <functional>
#include <limits>

#include "block.h"
#include "blockstatistics.h"
#include "csvtable.h"
#include "toleranceassessment.h"

class MeasurementModel;

// A listed block as the summary gives it: its statistics and how it holds the limits.
struct BlockSummaryRow
{
    int number = 0; // the list's row + 1
    QString name;
    BlockStatistics statistics;
    Limits limits; // those of the block's unit
    ToleranceAssessment assessment; // not assessed while the limits are hidden or min is above max
};

// The limits a block of this unit is judged against.
using LimitsOfUnit = std::function<Limits(const QString &unit)>;

// A row per block of the list, in its order.
QVector<BlockSummaryRow> block_summary_rows(const QVector<Block> &blocks, const LimitsOfUnit &limitsOf);
// Every block against the same limits.
QVector<BlockSummaryRow> block_summary_rows(const QVector<Block> &blocks, const Limits &limits);
// The model's listed blocks, each against the limits of its unit.
QVector<BlockSummaryRow> block_summary_rows(const MeasurementModel &model);

enum class SummaryColumn { Number, Block, Count, Minimum, Maximum, Mean, Sigma, Tolerance, Outside, Cpk, Verdict };

// The columns of the summary: those of the tolerance only while the limits are shown.
QVector<SummaryColumn> summary_columns(bool limitsShown);
// The column's heading in the current language.
QString summary_column_title(SummaryColumn column);
// Sorted by figure rather than by text; the block's name, its tolerance and the verdict are texts.
bool is_figure_column(SummaryColumn column);

// One cell as the summary shows it.
struct SummaryCell
{
    QString text; // in the current language; "—" where the block has no such figure
    // The figure the text stands for, unrounded, by which the column sorts; NaN where there
    // is none. The outside column's figure is the count of values outside.
    double figure = std::numeric_limits<double>::quiet_NaN();
    // The text is the figure with this many decimals, so a workbook can hold the figure as a
    // number shown the same way; -1 for a text.
    int decimals = -1;
    // The tolerance's cell only: its limits, for a workbook to hold as the two numbers the
    // text shows. NaN elsewhere.
    double lower = std::numeric_limits<double>::quiet_NaN();
    double upper = std::numeric_limits<double>::quiet_NaN();

    bool isNumber() const { return decimals >= 0; }
    bool isLimits() const { return !std::isnan(lower); }
};

// Minimum and maximum are rounded to their decimals as the reports print a value, the mean
// and σ to one decimal as the window shows them, Cpk to two.
SummaryCell summary_cell(const BlockSummaryRow &row, SummaryColumn column);

// The whole summary in the current language, taken at once for a report or a file.
struct SummaryTable
{
    QVector<SummaryColumn> columns;
    QStringList titles;
    QVector<QVector<SummaryCell>> rows;
};

SummaryTable summary_table(const QVector<BlockSummaryRow> &rows, bool limitsShown);
// The summary of these blocks against these limits.
SummaryTable summary_table(const QVector<Block> &blocks, const Limits &limits);
// The summary of the model's listed blocks, each against the limits of its unit.
SummaryTable summary_table(const MeasurementModel &model);

// The table as CSV: the headings, then a row per block with the texts of the cells, the
// figures with the format's decimal separator.
QByteArray summary_csv(const SummaryTable &table, const CsvFormat &format);

#endif // BLOCKSUMMARY_H
