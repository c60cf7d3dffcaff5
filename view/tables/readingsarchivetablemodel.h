#ifndef READINGSARCHIVETABLEMODEL_H
#define READINGSARCHIVETABLEMODEL_H

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QVector>

#include "readingsarchive.h"

// The archive as a table, a row per file: the time of the read, the counts of blocks and
// values, the block names. A file that is no reading is a grey row of its name.
class ReadingsArchiveTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Times and counts sort as figures, the names as texts.
    static constexpr int SortRole = Qt::UserRole;

    explicit ReadingsArchiveTableModel(QObject *parent = nullptr);

    void setReadings(const QVector<ArchivedReading> &readings);
    const ArchivedReading &reading(int row) const { return readings.at(row); }
    // Headings and texts again, in the language now installed.
    void retranslate();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVector<ArchivedReading> readings;
};

// The rows whose names or time hold the typed text.
class ReadingsArchiveFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setTyped(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString typed;
};

#endif // READINGSARCHIVETABLEMODEL_H
