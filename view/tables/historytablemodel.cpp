#include "historytablemodel.h"

#include <cmath>
#include <limits>

HistoryTableModel::HistoryTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void HistoryTableModel::setTable(const SummaryTable &table)
{
    beginResetModel();
    cells = table;
    endResetModel();
}

int HistoryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(cells.rows.size());
}

int HistoryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(cells.columns.size());
}

QVariant HistoryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= cells.rows.size())
        return QVariant();
    const SummaryCell &cell = cells.rows.at(index.row()).at(index.column());
    const bool figure = is_figure_column(cells.columns.at(index.column()))
                        || cells.columns.at(index.column()) == SummaryColumn::Block; // the time of the read
    switch (role) {
    case Qt::DisplayRole: return cell.text;
    case Qt::TextAlignmentRole:
        return figure && index.column() > 0 ? int(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case SortRole:
        if (!figure)
            return cell.text;
        // A cell without a figure sorts after every figure.
        return std::isnan(cell.figure) ? std::numeric_limits<double>::max() : cell.figure;
    }
    return QVariant();
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < cells.titles.size())
        return cells.titles.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
