#include "blocksummarytablemodel.h"

#include <cmath>

BlockSummaryTableModel::BlockSummaryTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void BlockSummaryTableModel::setSummary(const QVector<BlockSummaryRow> &rows, bool limitsShown)
{
    beginResetModel();
    this->rows = rows;
    columns = summary_columns(limitsShown);
    endResetModel();
}

void BlockSummaryTableModel::retranslate()
{
    if (!columns.isEmpty())
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (!rows.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int BlockSummaryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int BlockSummaryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns.size());
}

QVariant BlockSummaryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size() || index.column() >= columns.size())
        return QVariant();
    const SummaryColumn column = columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return summary_cell(rows.at(index.row()), column).text;
    case SortRole: {
        const SummaryCell cell = summary_cell(rows.at(index.row()), column);
        if (!is_figure_column(column))
            return cell.text;
        return std::isnan(cell.figure) ? QVariant() : QVariant(cell.figure);
    }
    case Qt::TextAlignmentRole:
        return column == SummaryColumn::Block ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    default:
        return QVariant();
    }
}

QVariant BlockSummaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return summary_column_title(columns.at(section));
}

Qt::ItemFlags BlockSummaryTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
