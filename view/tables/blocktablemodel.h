#ifndef BLOCKTABLEMODEL_H
#define BLOCKTABLEMODEL_H

#include <QAbstractTableModel>
#include <QVector>

#include "tolerancelimits.h"

// A block's values as a table of one column, a value per row, each shown by its
// cut text and centred, copied in full; with limits in force, values whose measured
// decimal lies outside them are red. Texts are made when a row is painted, so a long
// block costs nothing to show.
class BlockTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit BlockTableModel(QObject *parent = nullptr);

    // A fresh table: no value coloured.
    void setValues(const QVector<float> &values);
    // Colours the values against these limits, until the next call. The cells keep the
    // view's font, so they follow its size.
    void highlight(const Limits &limits);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QVector<float> values;
    bool highlighted = false;
    Limits limits;
};

#endif // BLOCKTABLEMODEL_H
