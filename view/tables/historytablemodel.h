#ifndef HISTORYTABLEMODEL_H
#define HISTORYTABLEMODEL_H

#include <QAbstractTableModel>

#include "blocksummary.h"

// A table of summary cells as it was made: texts shown, figures sorted by.
class HistoryTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int SortRole = Qt::UserRole;

    explicit HistoryTableModel(QObject *parent = nullptr);

    void setTable(const SummaryTable &table);
    const SummaryTable &table() const { return cells; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    SummaryTable cells;
};

#endif // HISTORYTABLEMODEL_H
