#include "blocktablemodel.h"

#include <QBrush>

#include "tablecopy.h"
#include "valuetext.h"

BlockTableModel::BlockTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void BlockTableModel::setValues(const QVector<float> &values)
{
    beginResetModel();
    this->values = values;
    highlighted = false;
    endResetModel();
}

void BlockTableModel::highlight(const Limits &limits)
{
    highlighted = true;
    this->limits = limits;
    if (!values.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::ForegroundRole});
}

int BlockTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(values.size());
}

int BlockTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant BlockTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= values.size() || index.column() != 0)
        return QVariant();
    const float v = values.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return value_display_text(v);
    case TableCopy::CopyTextRole:
        return value_full_text(v);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
        // Every highlighted cell has a brush of its own: red, or an empty one, which
        // the view draws in black.
        if (!highlighted)
            return QVariant();
        return limits.inForce() && limits.isOutside(v) ? QBrush(Qt::red, Qt::SolidPattern) : QBrush();
    default:
        return QVariant();
    }
}

QVariant BlockTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section == 0 && role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    // Row numbers from 1, as a table widget's rows without header items are labelled.
    if (role == Qt::DisplayRole)
        return section + 1;
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignVCenter);
    return QVariant();
}

Qt::ItemFlags BlockTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}
