#include "readingsarchivetablemodel.h"

#include <QColor>
#include <QCoreApplication>

#include <limits>

namespace {

enum Column { Time, BlockCount, ValueCount, Names, ColumnCount };

} // namespace

ReadingsArchiveTableModel::ReadingsArchiveTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void ReadingsArchiveTableModel::setReadings(const QVector<ArchivedReading> &list)
{
    beginResetModel();
    readings = list;
    endResetModel();
}

void ReadingsArchiveTableModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!readings.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int ReadingsArchiveTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(readings.size());
}

int ReadingsArchiveTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReadingsArchiveTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= readings.size())
        return QVariant();
    const ArchivedReading &archived = readings.at(index.row());
    const int column = index.column();
    if (role == Qt::ForegroundRole)
        return archived.readable ? QVariant() : QVariant(QColor(Qt::gray));
    if (role == Qt::TextAlignmentRole && (column == BlockCount || column == ValueCount))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == SortRole) {
        switch (column) {
        case Time:
            // A file that is no reading sorts before the oldest reading.
            return archived.readable ? archived.reading.readAt.toMSecsSinceEpoch()
                                     : std::numeric_limits<qint64>::min();
        case BlockCount: return archived.readable ? int(archived.reading.blocks.size()) : -1;
        case ValueCount: return archived.readable ? archived.valueCount : -1;
        default: break;
        }
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != SortRole)
        return QVariant();
    switch (column) {
    case Time: return archived_reading_title(archived);
    case BlockCount: return archived.readable ? QString::number(archived.reading.blocks.size()) : QString();
    case ValueCount: return archived.readable ? QString::number(archived.valueCount) : QString();
    case Names:
        if (!archived.readable)
            return QCoreApplication::translate("MainWindow", "не читается");
        // The tip holds the names a cut cell leaves out.
        return role == Qt::DisplayRole ? cut_names(archived_block_names(archived)) : archived_block_names(archived);
    }
    return QVariant();
}

QVariant ReadingsArchiveTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time: return QCoreApplication::translate("MainWindow", "Дата и время чтения");
    case BlockCount: return QCoreApplication::translate("MainWindow", "Блоков");
    case ValueCount: return QCoreApplication::translate("MainWindow", "Значений");
    case Names: return QCoreApplication::translate("MainWindow", "Блоки");
    }
    return QVariant();
}

void ReadingsArchiveFilter::setTyped(const QString &text)
{
    typed = text;
    invalidateFilter();
}

bool ReadingsArchiveFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const auto *archive = static_cast<const ReadingsArchiveTableModel *>(sourceModel());
    return typed.isEmpty() || archived_reading_matches(archive->reading(sourceRow), typed);
}
