#include "blocksummary.h"

#include <QCoreApplication>

#include <cmath>
#include <utility>

#include "blockname.h"
#include "measurementmodel.h"
#include "valuetext.h"

namespace {

SummaryCell figure_cell(double figure, int decimals)
{
    SummaryCell cell;
    cell.text = fixed_text(figure, decimals);
    cell.figure = figure;
    cell.decimals = decimals;
    return cell;
}

SummaryCell text_cell(const QString &text)
{
    SummaryCell cell;
    cell.text = text;
    return cell;
}

// A value as the reports print it; its figure is the float's own shortest decimal, which a
// spreadsheet shows as it was read, not as 2.3450000286.
SummaryCell value_cell(float v)
{
    SummaryCell cell;
    cell.text = report_value_text(v);
    cell.figure = value_full_text(v).toDouble();
    if (std::isfinite(cell.figure))
        cell.decimals = value_decimals(v);
    return cell;
}

// A NaN or an infinity among the values leaves the mean and σ without a figure.
SummaryCell statistic_cell(double statistic)
{
    if (!std::isfinite(statistic))
        return text_cell(no_figure_text());
    return figure_cell(statistic, 1);
}

} // namespace

QVector<BlockSummaryRow> block_summary_rows(const QVector<Block> &blocks, const LimitsOfUnit &limitsOf)
{
    QVector<BlockSummaryRow> rows;
    rows.reserve(blocks.size());
    for (int i = 0; i < blocks.size(); ++i) {
        const Block &block = blocks.at(i);
        BlockSummaryRow row;
        row.number = i + 1;
        row.name = block.name;
        row.statistics = block_statistics(block.values);
        row.limits = limitsOf(block_unit(block.name));
        row.assessment = assess_tolerance(block.values, row.statistics, row.limits);
        rows.append(row);
    }
    return rows;
}

QVector<BlockSummaryRow> block_summary_rows(const QVector<Block> &blocks, const Limits &limits)
{
    return block_summary_rows(blocks, [&limits](const QString &) { return limits; });
}

QVector<BlockSummaryRow> block_summary_rows(const MeasurementModel &model)
{
    return block_summary_rows(model.blocks(), [&model](const QString &unit) { return model.limitsOfUnit(unit); });
}

QVector<SummaryColumn> summary_columns(bool limitsShown)
{
    QVector<SummaryColumn> columns{SummaryColumn::Number,  SummaryColumn::Block, SummaryColumn::Count,
                                   SummaryColumn::Minimum, SummaryColumn::Maximum, SummaryColumn::Mean,
                                   SummaryColumn::Sigma};
    if (limitsShown)
        columns << SummaryColumn::Tolerance << SummaryColumn::Outside << SummaryColumn::Cpk << SummaryColumn::Verdict;
    return columns;
}

QString summary_column_title(SummaryColumn column)
{
    switch (column) {
    case SummaryColumn::Number: return QCoreApplication::translate("MainWindow", "№");
    case SummaryColumn::Block: return QCoreApplication::translate("MainWindow", "Блок");
    case SummaryColumn::Count: return QCoreApplication::translate("MainWindow", "n");
    case SummaryColumn::Minimum: return QCoreApplication::translate("MainWindow", "Min");
    case SummaryColumn::Maximum: return QCoreApplication::translate("MainWindow", "Max");
    case SummaryColumn::Mean: return QCoreApplication::translate("MainWindow", "Среднее");
    case SummaryColumn::Sigma: return QCoreApplication::translate("MainWindow", "σ");
    case SummaryColumn::Tolerance: return QCoreApplication::translate("MainWindow", "Допуск");
    case SummaryColumn::Outside: return QCoreApplication::translate("MainWindow", "Вне допуска");
    case SummaryColumn::Cpk: return QCoreApplication::translate("MainWindow", "Cpk");
    case SummaryColumn::Verdict: return QCoreApplication::translate("MainWindow", "Итог");
    }
    return QString();
}

bool is_figure_column(SummaryColumn column)
{
    return column != SummaryColumn::Block && column != SummaryColumn::Tolerance && column != SummaryColumn::Verdict;
}

SummaryCell summary_cell(const BlockSummaryRow &row, SummaryColumn column)
{
    const BlockStatistics &statistics = row.statistics;
    const ToleranceAssessment &assessment = row.assessment;
    const bool empty = statistics.count == 0;
    switch (column) {
    case SummaryColumn::Number:
        return figure_cell(row.number, 0);
    case SummaryColumn::Block:
        return text_cell(row.name);
    case SummaryColumn::Count:
        return figure_cell(statistics.count, 0);
    case SummaryColumn::Minimum:
        return empty ? text_cell(no_figure_text()) : value_cell(statistics.minimum);
    case SummaryColumn::Maximum:
        return empty ? text_cell(no_figure_text()) : value_cell(statistics.maximum);
    case SummaryColumn::Mean:
        return empty ? text_cell(no_figure_text()) : statistic_cell(statistics.mean);
    case SummaryColumn::Sigma:
        return empty ? text_cell(no_figure_text()) : statistic_cell(statistics.stdev);
    case SummaryColumn::Tolerance: {
        SummaryCell cell = text_cell(limits_text(row.limits.min, row.limits.max));
        cell.lower = row.limits.min;
        cell.upper = row.limits.max;
        return cell;
    }
    case SummaryColumn::Outside: {
        SummaryCell cell = text_cell(outside_share_text(assessment));
        if (assessment.assessed)
            cell.figure = assessment.outside;
        return cell;
    }
    case SummaryColumn::Cpk: {
        const QString text = capability_text(assessment, assessment.cpk);
        return text == no_figure_text() ? text_cell(text) : figure_cell(assessment.cpk, 2);
    }
    case SummaryColumn::Verdict:
        if (!assessment.assessed)
            return text_cell(no_figure_text());
        return text_cell(assessment.within() ? QCoreApplication::translate("MainWindow", "в допуске")
                                             : QCoreApplication::translate("MainWindow", "вне допуска"));
    }
    return SummaryCell();
}

SummaryTable summary_table(const QVector<BlockSummaryRow> &rows, bool limitsShown)
{
    SummaryTable table;
    table.columns = summary_columns(limitsShown);
    for (const SummaryColumn column : std::as_const(table.columns))
        table.titles << summary_column_title(column);
    table.rows.reserve(rows.size());
    for (const BlockSummaryRow &row : rows) {
        QVector<SummaryCell> cells;
        cells.reserve(table.columns.size());
        for (const SummaryColumn column : std::as_const(table.columns))
            cells << summary_cell(row, column);
        table.rows << cells;
    }
    return table;
}

SummaryTable summary_table(const QVector<Block> &blocks, const Limits &limits)
{
    return summary_table(block_summary_rows(blocks, limits), limits.shown);
}

SummaryTable summary_table(const MeasurementModel &model)
{
    return summary_table(block_summary_rows(model), model.limits().shown);
}

QByteArray summary_csv(const SummaryTable &table, const CsvFormat &format)
{
    QVector<QStringList> lines;
    lines.reserve(table.rows.size() + 1);
    lines << table.titles;
    for (const QVector<SummaryCell> &cells : table.rows) {
        QStringList fields;
        for (int i = 0; i < cells.size(); ++i) {
            const QString &text = cells.at(i).text;
            fields << (is_figure_column(table.columns.at(i)) ? format.number(text) : text);
        }
        lines << fields;
    }
    return csv_document(lines, format);
}
