#ifndef BLOCKSUMMARYTABLEMODEL_H
#define BLOCKSUMMARYTABLEMODEL_H

#include <QAbstractTableModel>
#include <QVector>

#include "blocksummary.h"

// The summary of the listed blocks as a table, a row per block in the list's order. Texts
// are made when a cell is painted or sorted, in the language of that moment.
class BlockSummaryTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The figure a figure column sorts by (nothing where a cell has none, which sorts
    // after every figure), the text for the other columns.
    static constexpr int SortRole = Qt::UserRole;

    explicit BlockSummaryTableModel(QObject *parent = nullptr);

    void setSummary(const QVector<BlockSummaryRow> &rows, bool limitsShown);
    // Headings and texts again, in the language now installed.
    void retranslate();
    // The list's row of the block in `row`.
    int listRow(int row) const { return rows.at(row).number - 1; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QVector<BlockSummaryRow> rows;
    QVector<SummaryColumn> columns;
};

#endif // BLOCKSUMMARYTABLEMODEL_H
