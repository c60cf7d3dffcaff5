#ifndef VALUETABLE_H
#define VALUETABLE_H

#include <QAbstractItemModel>
#include <QBrush>
#include <QStringList>
#include <QTableView>

// The value table's cells as the view gets them from its model.
inline int row_count(const QTableView *table)
{
    return table->model()->rowCount();
}

inline QVariant cell_data(const QTableView *table, int row, int role)
{
    return table->model()->index(row, 0).data(role);
}

inline QString cell_text(const QTableView *table, int row)
{
    return cell_data(table, row, Qt::DisplayRole).toString();
}

inline bool is_red(const QTableView *table, int row)
{
    return cell_data(table, row, Qt::ForegroundRole).value<QBrush>() == QBrush(Qt::red, Qt::SolidPattern);
}

inline QStringList table_texts(const QTableView *table)
{
    QStringList texts;
    for (int row = 0; row < row_count(table); ++row)
        texts << cell_text(table, row);
    return texts;
}

#endif // VALUETABLE_H
